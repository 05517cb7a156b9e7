#include "EntryFormPictures.h"

#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QPainter>
#include <QStringList>

QPixmap entryHelpPicture(QSize size)
{
    static const QStringList kLines = {
        QStringLiteral("・Enter キーで次の入力欄へ進みます。最後の欄の次は「登録」です。"),
        QStringLiteral("・入力欄をダブルクリックすると、その欄が空になります。"),
        QStringLiteral("・「前回と同じ」は前回登録した内容を、その行の欄に呼び出します。"),
        QStringLiteral("・「全て前回と同じ」は前回登録した内容を全ての欄に呼び出します。"),
        QStringLiteral("・「キュービクル」「電気室」「電灯盤」「動力盤」「電灯」「動力」で定型の語句を入れます。"),
        QStringLiteral("・「ｹｰﾌﾞﾙ呼出」でケーブル表を開き、ダブルクリックでケーブル種類を選びます。"),
        QStringLiteral("・「登録」で、No. の番号の行に書き込みます。新しい番号は最後の番号の次です。"),
        QStringLiteral("・左の青い欄は名板タイプ A の項目名、上の「No.」欄は名板タイプ B の先頭の文字です。"),
    };

    QPixmap picture(size);
    picture.fill(UiStyle::kCream);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(UiStyle::kHelpPanel, 2));
    painter.drawRect(QRectF(picture.rect()).adjusted(1, 1, -1, -1));

    const int margin = 16;
    painter.setFont(UiStyle::screenFont(18, true));
    painter.setPen(UiStyle::kCaptionBlue);
    painter.drawText(QRect(margin, 10, size.width() - 2 * margin, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("データー入力フォームの使い方"));

    painter.setFont(UiStyle::screenFont(14));
    painter.setPen(Qt::black);
    const int lineHeight = (size.height() - 54) / static_cast<int>(kLines.size());
    int y = 46;
    for (const QString& line : kLines) {
        painter.drawText(QRect(margin, y, size.width() - 2 * margin, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         line);
        y += lineHeight;
    }
    return picture;
}

QPixmap entrySmallPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF plate = QRectF(picture.rect()).adjusted(3, 9, -3, -9);
    painter.setPen(QPen(QColor(64, 64, 64), 1.5));
    painter.setBrush(UiStyle::kCream);
    painter.drawRoundedRect(plate, 3, 3);
    // Three strips, as a type B plate is divided.
    painter.setPen(QPen(UiStyle::kCaptionBlue, 1));
    const qreal strip = plate.height() / 3;
    for (int i = 1; i < 3; ++i)
        painter.drawLine(QPointF(plate.left(), plate.top() + i * strip), QPointF(plate.right(), plate.top() + i * strip));
    painter.setPen(QPen(UiStyle::kGreen, 2));
    for (int i = 0; i < 3; ++i) {
        const qreal y = plate.top() + (i + 0.5) * strip;
        painter.drawLine(QPointF(plate.left() + 6, y), QPointF(plate.right() - 6 - 8 * i, y));
    }
    return picture;
}
