#pragma once

#include "NumberTyping.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace UiStyle {

// A spin box that reads full-width digits, signs and decimal points as the
// input method types them, where Qt's own boxes drop every such character.
// The text is folded while it is checked, so the box shows what it read.
template <typename SpinBox>
class HalfWidthTyping : public SpinBox {
public:
    using SpinBox::SpinBox;

    QValidator::State validate(QString& text, int& position) const override
    {
        text = halfWidthNumberText(text);
        return SpinBox::validate(text, position);
    }
};

using NumberBox = HalfWidthTyping<QSpinBox>;
using DecimalNumberBox = HalfWidthTyping<QDoubleSpinBox>;

} // namespace UiStyle
