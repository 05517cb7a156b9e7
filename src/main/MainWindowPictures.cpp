#include "MainWindowPictures.h"

#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QPainter>

namespace MainWindowPictures {
namespace {

struct HelpStep {
    QStringView heading;
    QStringView text;
};

constexpr HelpStep kHelpSteps[] = {
    {u"開く", u"保存してある一覧ファイル (*.kav) を開きます。"},
    {u"行をダブルクリック", u"入力画面が開き、その行のケーブルを入力・修正します。\n"
                           u"空いている行では次の番号と、今日の日付・会社名・製造年が入ります。"},
    {u"右クリック", u"コピー ／ 貼り付け ／ 行削除 ／ 全削除 のメニューが出ます。\n"
                   u"行はドラッグか Shift キーで複数選べます。Excel の行も貼り付けられます。"},
    {u"保存", u"一覧をファイル (*.kav) に保存します。"},
    {u"ｹｰﾌﾞﾙ名板   出力", u"名板タイプ A ／ B を Excel に出力するか、直接印刷します。"},
    {u"会社名", u"施行者名の初期値です。終了時に次回のために記憶します。"},
};

} // namespace

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
    painter.drawText(QRect(24, 14, size.width() - 48, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("メイン画面の使い方"));
    painter.drawLine(24, 52, size.width() - 24, 52);

    const QFont headingFont = [] {
        QFont font = UiStyle::screenFont(15);
        font.setBold(true);
        return font;
    }();
    const QFont textFont = UiStyle::screenFont(13);
    int top = 64;
    int number = 1;
    for (const HelpStep& step : kHelpSteps) {
        painter.setFont(headingFont);
        painter.setPen(UiStyle::kNavy);
        painter.drawText(QRect(24, top, size.width() - 48, 20), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1.  %2").arg(number++).arg(step.heading));
        painter.setFont(textFont);
        painter.setPen(Qt::black);
        const QRect textBox(48, top + 22, size.width() - 72, 40);
        const QRect used = painter.boundingRect(textBox, Qt::AlignLeft | Qt::AlignTop, step.text.toString());
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignTop, step.text.toString());
        top = used.bottom() + 10;
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
