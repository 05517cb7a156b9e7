#pragma once

class QLineEdit;

namespace UiStyle {

// Makes a text box safe for a value stored as one line of a file: no length
// limit (Qt's default of 32,767 would silently cut longer texts when a record
// is opened and registered again), and every line break that arrives by
// typing, pasting, an input method or setText is turned into a blank, or
// dropped at the end, as the text changes.
void makeSingleLineInput(QLineEdit* box);

} // namespace UiStyle
