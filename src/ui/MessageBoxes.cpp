#include "MessageBoxes.h"

#include <QPushButton>

#include <algorithm>
#include <vector>

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

int showChoice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
               const QStringList& buttons, int defaultIndex, int escapeIndex)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> added;
    for (const QString& caption : buttons)
        added.push_back(box.addButton(caption, QMessageBox::ActionRole)); // ActionRole keeps the given order
    box.setDefaultButton(added.at(defaultIndex));
    box.setEscapeButton(added.at(escapeIndex));
    box.exec();
    const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
    return pressed == added.end() ? escapeIndex : static_cast<int>(pressed - added.begin());
}

} // namespace UiStyle
