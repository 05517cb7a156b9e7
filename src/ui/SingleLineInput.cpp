#include "SingleLineInput.h"

#include "sheet/SingleLineText.h"

#include <QLineEdit>
#include <QValidator>
#include <limits>

namespace UiStyle {
namespace {

// QLineEdit applies what validate() writes back to the text before the change
// is shown or signalled, whichever way the change came.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& cursor) const override
    {
        const QString line = toSingleLine(input);
        if (line.size() != input.size() || line != input) {
            // The marker keeps breaks just before the cursor from counting as
            // breaks at the end of the text.
            const qsizetype before = toSingleLine(input.left(cursor) + u'x').size() - 1;
            cursor = static_cast<int>(std::min(before, line.size()));
            input = line;
        }
        return Acceptable;
    }
};

} // namespace

void makeSingleLineInput(QLineEdit* box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(new SingleLineValidator(box));
}

} // namespace UiStyle
