#include "NumberTyping.h"

namespace UiStyle {
namespace {

// What an input method or a keyboard layout may give for the minus sign.
constexpr char16_t kMinusLookAlikes[] = {
    u'\u2010', // hyphen
    u'\u2011', // non-breaking hyphen
    u'\u2012', // figure dash
    u'\u2013', // en dash
    u'\u2212', // minus sign
    u'\u30FC', // katakana prolonged sound mark: the kana mode's "-" key
    u'\uFE63', // small hyphen-minus
    u'\uFF70', // half-width prolonged sound mark
};

QChar halfWidth(QChar c)
{
    for (const char16_t minus : kMinusLookAlikes) {
        if (c == minus)
            return u'-';
    }
    // Full-width ASCII ("０", "＋", "－", "．") and the ideographic space
    // decompose to their ASCII forms; only single-character forms keep the
    // text's length.
    if (c.decompositionTag() == QChar::Wide) {
        const QString plain = c.decomposition();
        if (plain.size() == 1 && plain.front().unicode() < 0x80)
            return plain.front();
    }
    return c;
}

} // namespace

QString halfWidthNumberText(const QString& typed)
{
    QString text = typed;
    for (QChar& c : text)
        c = halfWidth(c);
    return text;
}

} // namespace UiStyle
