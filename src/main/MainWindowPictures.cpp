#include "MainWindowPictures.h"

#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <iterator>
#include <span>

namespace MainWindowPictures {
namespace {

struct HelpStep {
    QStringView heading;
    QStringView text;
};

constexpr HelpStep kListSteps[] = {
    {u"開く", u"一覧ファイル (*.kav)、Excel (*.xlsx)、CSV (*.csv) を開きます。\n"
     u"Excel・CSV は「取り込みの確認」で列を確かめてから一覧になります。"},
    {u"保存", u"一覧ファイル (*.kav) に保存します。ファイルの種類で Excel (*.xlsx)・"
     u"CSV (*.csv) にも書き出せます。別のファイルを上書きする前に確認します。"},
    {u"行をダブルクリック", u"入力画面が開き、その行のケーブルを入力・修正します。\n"
     u"空いている行では次の番号と、今日の日付・会社名・製造年が入ります。"},
    {u"右クリック", u"コピー ／ 貼り付け ／ 行削除 ／ 全削除 のメニューが出ます。\n"
     u"行はドラッグか Shift キーで複数選べます。Excel の行も貼り付けられます。"},
    {u"元に戻す ／ やり直し", u"Ctrl+Z で直前の変更を取り消し、Ctrl+Y でやり直します。\n"
     u"右クリックのメニューにもあります。"},
    {u"会社名", u"施行者名の初期値です。終了時に次回のために記憶します。"},
};

constexpr HelpStep kOutputSteps[] = {
    {u"ｹｰﾌﾞﾙ名板   出力", u"名板タイプ A ／ B を Excel に出力するか、直接印刷します。"},
    {u"ラベル用紙に印刷", u"開始位置：用紙の何番目のラベルから印刷するか\n"
     u"印刷する記録：全て ／ 選択した行 ／ 番号指定 (例: 3-7,12)\n"
     u"部数：1 記録あたりの枚数 (1〜9)\n"
     u"位置調整…：プリンターごとのずれを mm で補正 (テスト印刷付き)"},
    {u"はみ出し確認", u"枠に収まらない文字を一覧にします。横の選択で、すべての名板か\n"
     u"Ａ種 ／ Ｂ種（幹線） ／ Ｂ種（分岐） の一つを確かめます。\n"
     u"印刷の前にも確かめ、はみ出すときは続けるか尋ねます。"},
};

struct HelpColumn {
    QStringView title;
    std::span<const HelpStep> steps;
};

constexpr HelpColumn kHelpColumns[] = {{u"一覧を作る", kListSteps}, {u"名板を出力する", kOutputSteps}};

constexpr int kMargin = 20;
constexpr int kTitleBottom = 52;
constexpr int kColumnGap = 24;
constexpr int kIndent = 18;
constexpr int kHeadingHeight = 20;
constexpr int kColumnTitleHeight = 22;
constexpr int kStepGap = 8;
constexpr auto kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont boldFont(int pixelSize)
{
    QFont font = UiStyle::screenFont(pixelSize);
    font.setBold(true);
    return font;
}

enum class Part { ColumnTitle, Heading, Text };

struct PlacedText {
    Part part;
    QRect box;
    QString text;
};

QFont fontOf(Part part)
{
    switch (part) {
    case Part::ColumnTitle:
        return boldFont(16);
    case Part::Heading:
        return boldFont(14);
    case Part::Text:
        break;
    }
    return UiStyle::screenFont(12);
}

// Every text of the picture where it goes: the columns side by side, the
// steps numbered on across both, each text wrapped to its column's width.
std::vector<PlacedText> placeHelpTexts(QSize size)
{
    std::vector<PlacedText> placed;
    const int columnCount = static_cast<int>(std::size(kHelpColumns));
    const int columnWidth = (size.width() - 2 * kMargin - (columnCount - 1) * kColumnGap) / columnCount;
    int number = 1;
    for (int c = 0; c < columnCount; ++c) {
        const HelpColumn& column = kHelpColumns[c];
        const int left = kMargin + c * (columnWidth + kColumnGap);
        int top = kTitleBottom + 10;
        placed.push_back({Part::ColumnTitle, QRect(left, top, columnWidth, kColumnTitleHeight), column.title.toString()});
        top += kColumnTitleHeight + 6;
        for (const HelpStep& step : column.steps) {
            placed.push_back({Part::Heading, QRect(left, top, columnWidth, kHeadingHeight),
                              QStringLiteral("%1.  %2").arg(number++).arg(step.heading)});
            top += kHeadingHeight + 2;
            const QRect room(left + kIndent, top, columnWidth - kIndent, size.height());
            const QRect used = QFontMetrics(fontOf(Part::Text)).boundingRect(room, kTextFlags, step.text.toString());
            placed.push_back({Part::Text, QRect(room.topLeft(), QSize(room.width(), used.height())), step.text.toString()});
            top += used.height() + kStepGap;
        }
    }
    return placed;
}

} // namespace

std::vector<QRect> helpTextBoxes(QSize size)
{
    std::vector<QRect> boxes;
    for (const PlacedText& text : placeHelpTexts(size))
        boxes.push_back(text.box);
    return boxes;
}

QPixmap helpPicture(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(UiStyle::kCream);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setPen(QPen(UiStyle::kTeal, 2));
    painter.drawRect(QRectF(pixmap.rect()).adjusted(1, 1, -1, -1));

    painter.setFont(UiStyle::screenFont(22));
    painter.setPen(UiStyle::kHelpPanel);
    painter.drawText(QRect(kMargin, 12, size.width() - 2 * kMargin, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("メイン画面の使い方"));
    painter.drawLine(kMargin, kTitleBottom - 4, size.width() - kMargin, kTitleBottom - 4);

    for (const PlacedText& text : placeHelpTexts(size)) {
        painter.setFont(fontOf(text.part));
        switch (text.part) {
        case Part::ColumnTitle:
            painter.fillRect(text.box, UiStyle::kTeal);
            painter.setPen(Qt::white);
            painter.drawText(text.box.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text.text);
            break;
        case Part::Heading:
            painter.setPen(UiStyle::kNavy);
            painter.drawText(text.box, Qt::AlignLeft | Qt::AlignVCenter, text.text);
            break;
        case Part::Text:
            painter.setPen(Qt::black);
            painter.drawText(text.box, kTextFlags, text.text);
            break;
        }
    }
    return pixmap;
}

QPixmap smallIcon(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A plate with a fixing hole and three text lines, on a cable.
    const QRectF plate(4, 10, size.width() - 8, size.height() - 22);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(0, size.height() - 6), QPointF(size.width(), size.height() - 6));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(plate, 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(plate.left() + 6, plate.center().y()), 2.5, 2.5);
    painter.setPen(QPen(UiStyle::kNavy, 2));
    for (int line = 0; line < 3; ++line) {
        const qreal y = plate.top() + 6 + line * (plate.height() - 12) / 2;
        painter.drawLine(QPointF(plate.left() + 13, y), QPointF(plate.right() - 5, y));
    }
    painter.setPen(QPen(Qt::darkGray, 1.5));
    painter.drawLine(QPointF(plate.center().x(), plate.bottom()), QPointF(plate.center().x(), size.height() - 6));
    return pixmap;
}

} // namespace MainWindowPictures
