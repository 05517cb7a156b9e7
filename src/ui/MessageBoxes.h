#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace UiStyle {

// Shows a message box and returns the button pressed (NoButton when it was
// closed otherwise). Its text is shown as written: messages name files,
// users and hosts that anyone may have chosen, and a text that merely looks
// like HTML would otherwise be rendered, pictures from the disk included.
QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                        const QString& detailedText = {});

// Shows a message box with buttons of its own captions, left to right; returns
// the index of the one pressed. Enter presses defaultIndex; Esc and the close
// box press escapeIndex.
int showChoice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
               const QStringList& buttons, int defaultIndex, int escapeIndex);

} // namespace UiStyle
