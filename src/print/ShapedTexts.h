#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <unordered_map>
#include <utility>

class QPaintDevice;

// Texts laid out once for one device and drawn again as often as they recur:
// every plate repeats its captions, and dates, names and purposes recur from
// record to record. Shaping a text is most of the cost of drawing it.
class ShapedTexts {
public:
    explicit ShapedTexts(QPaintDevice* device) : device_(device) {}

    // One line of `text` in `font`, whose point size is `points`.
    const QTextLayout& layout(const QString& text, const QFont& font, int points);

private:
    // Enough for the texts of many pages; a full cache starts over.
    static constexpr size_t kMaxKept = 2048;

    using Key = std::pair<int, QString>;
    struct KeyHash {
        size_t operator()(const Key& key) const { return qHash(key.second, static_cast<size_t>(key.first)); }
    };

    QPaintDevice* device_;
    std::unordered_map<Key, std::unique_ptr<QTextLayout>, KeyHash> kept_;
};
