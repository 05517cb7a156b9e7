#pragma once

class QWidget;

namespace UiStyle {

// Keeps input methods (the Japanese conversion among them) off while the box
// has focus. Hints alone may be ignored by an input method, and a line edit
// reports itself ready for one whatever Qt::WA_InputMethodEnabled says, so
// the box also answers the input method's "enabled?" query with no.
void turnInputMethodOff(QWidget* box);

} // namespace UiStyle
