#include "PrintCommands.h"

#include "TypeAPlates.h"
#include "TypeBPlates.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace {

bool isChecked(const QWidget* window, const QString& name)
{
    const auto* button = window->findChild<const QAbstractButton*>(name);
    return button && button->isChecked();
}

TextOrder chosenTextOrder(const QWidget* window)
{
    if (isChecked(window, QStringLiteral("RadioButton4")))
        return TextOrder::FromTo;
    if (isChecked(window, QStringLiteral("RadioButton5")))
        return TextOrder::ToFrom;
    return TextOrder::Standard;
}

TypeBSize chosenTypeBSize(const QWidget* window)
{
    return isChecked(window, QStringLiteral("RadioButton2")) ? TypeBSize::Branch : TypeBSize::Trunk;
}

void setLabel(QWidget* window, const QString& name, const QString& text)
{
    if (auto* label = window->findChild<QLabel*>(name))
        label->setText(text);
}

} // namespace

PrintCommands::PrintCommands(QWidget* window, const RecordSheet& sheet, const Settings& f,
                             std::function<QString()> noBoxText, PrintJobHooks hooks)
    : QObject(window), window_(window), sheet_(sheet), f_(f), noBoxText_(std::move(noBoxText)),
      hooks_(std::move(hooks))
{
    if (!hooks_.showResolution) {
        hooks_.showResolution = [window](const PrinterResolution& resolution) {
            setLabel(window, QStringLiteral("Label1"), PrinterResolution::labelText(resolution.across));
            setLabel(window, QStringLiteral("Label2"), PrinterResolution::labelText(resolution.down));
        };
    }
}

PrintJob PrintCommands::job()
{
    return PrintJob(window_, hooks_);
}

void PrintCommands::printTypeA()
{
    job().print(TypeAPlates(sheet_, f_, chosenTextOrder(window_)));
}

void PrintCommands::printTypeBTrunk()
{
    job().print(TypeBPlates(sheet_, TypeBSize::Trunk, noBoxText_()));
}

void PrintCommands::printTypeBBranch()
{
    job().print(TypeBPlates(sheet_, TypeBSize::Branch, noBoxText_()));
}

void PrintCommands::previewTypeA()
{
    job().preview(TypeAPlates(sheet_, f_, chosenTextOrder(window_)));
}

void PrintCommands::previewTypeB()
{
    job().preview(TypeBPlates(sheet_, chosenTypeBSize(window_), noBoxText_()));
}

void PrintCommands::connectButtons()
{
    const std::pair<const char16_t*, void (PrintCommands::*)()> commands[] = {
        {u"Button16", &PrintCommands::printTypeA},         {u"Button17", &PrintCommands::printTypeBTrunk},
        {u"Button18", &PrintCommands::printTypeBBranch},   {u"PreviewButtonA", &PrintCommands::previewTypeA},
        {u"PreviewButtonB", &PrintCommands::previewTypeB},
    };
    for (const auto& [name, command] : commands) {
        if (auto* button = window_->findChild<QAbstractButton*>(QString::fromUtf16(name)))
            connect(button, &QAbstractButton::clicked, this, command);
    }
}
