#include "PrintCommands.h"

#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

PrintCommands::PrintCommands(QWidget* window, const RecordSheet& sheet, const Settings& f,
                             std::function<QString()> noBoxText, PrintJobHooks hooks)
    : QObject(window), window_(window), sheet_(sheet), f_(f), noBoxText_(std::move(noBoxText)),
      hooks_(std::move(hooks))
{
}

PrintJob PrintCommands::job()
{
    return PrintJob(window_, hooks_);
}

void PrintCommands::printTypeA(TextOrder order)
{
    job().print(TypeAPlates(sheet_, f_, order));
}

void PrintCommands::printTypeB(PlateSize size)
{
    job().print(TypeBPlates(sheet_, size, noBoxText_()));
}

void PrintCommands::previewTypeA(TextOrder order)
{
    job().preview(TypeAPlates(sheet_, f_, order));
}

void PrintCommands::previewTypeB(PlateSize size)
{
    job().preview(TypeBPlates(sheet_, size, noBoxText_()));
}

std::function<void(const PrinterResolution&)> showResolutionIn(QLabel* across, QLabel* down)
{
    // The hook may outlive a label the window has already destroyed.
    return [across = QPointer(across), down = QPointer(down)](const PrinterResolution& resolution) {
        if (across)
            across->setText(PrinterResolution::labelText(resolution.across));
        if (down)
            down->setText(PrinterResolution::labelText(resolution.down));
    };
}
