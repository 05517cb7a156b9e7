#include "MessageBoxes.h"

namespace UiStyle {

QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton, const QString& detailedText)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (!detailedText.isEmpty())
        box.setDetailedText(detailedText); // always plain text
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace UiStyle
