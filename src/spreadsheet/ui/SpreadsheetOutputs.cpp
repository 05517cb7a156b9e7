#include "SpreadsheetOutputs.h"

#include "DesktopWorkbookOpener.h"
#include "sheet/Failure.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>

namespace {

// The banner and the bar for the time of one output; whatever happens, they
// are cleared and hidden again when it ends.
class BusyDisplay {
public:
    BusyDisplay(QWidget* banner, QProgressBar* bar, int maximum)
        : banner_(banner)
        , bar_(bar)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        banner_->show();
        bar_->setMinimum(0);
        bar_->setMaximum(std::max(maximum, 1));
        bar_->setValue(0);
        bar_->show();
        repaint();
    }

    ~BusyDisplay()
    {
        bar_->setValue(0);
        bar_->hide();
        banner_->hide();
        QApplication::restoreOverrideCursor();
    }

    BusyDisplay(const BusyDisplay&) = delete;
    BusyDisplay& operator=(const BusyDisplay&) = delete;

    void step()
    {
        ++steps_;
        keepRepainting();
    }

    // Repaints now and then only, so that a build of many thousand steps is
    // not slowed down by its own progress bar.
    void keepRepainting()
    {
        if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintMilliseconds)
            return;
        repaint();
    }

    void repaint()
    {
        // A position past the maximum shows a full bar.
        bar_->setValue(std::min(steps_, bar_->maximum()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceRepaint_.start();
    }

private:
    static constexpr int kRepaintMilliseconds = 40;

    QWidget* banner_;
    QProgressBar* bar_;
    int steps_ = 0;
    QElapsedTimer sinceRepaint_;
};

} // namespace

SpreadsheetOutputs::SpreadsheetOutputs(QWidget* window, QWidget* banner, QProgressBar* bar,
                                       std::unique_ptr<WorkbookOpener> opener)
    : window_(window)
    , banner_(banner)
    , bar_(bar)
    , opener_(opener ? std::move(opener) : std::make_unique<DesktopWorkbookOpener>())
    , messages_([this](QMessageBox::Icon icon, const QString& text) {
        UiStyle::showMessage(window_, icon, window_ ? window_->windowTitle() : QString(), text);
    })
{
}

SpreadsheetOutputs::~SpreadsheetOutputs() = default;

bool SpreadsheetOutputs::createTemplate(const QString& companyName, const EraDate& today)
{
    Settings captions = Settings::defaults();
    captions.lines[0] = companyName;
    return create(workbookOutput(WorkbookKind::Template, RecordSheet(), captions, {}, PlateSize::Trunk, today));
}

bool SpreadsheetOutputs::createTypeA(const RecordSheet& records, const Settings& settings)
{
    return create(workbookOutput(WorkbookKind::TypeA, records, settings, {}, PlateSize::Trunk, {}));
}

bool SpreadsheetOutputs::createTypeB(const RecordSheet& records, const QString& noBoxText, PlateSize size)
{
    return create(workbookOutput(WorkbookKind::TypeB, records, Settings::defaults(), noBoxText, size, {}));
}

bool SpreadsheetOutputs::create(const std::optional<WorkbookOutput>& output)
{
    if (!output)
        return false;
    const bool made = run(output->progressMaximum, output->fileName, output->build);
    if (made && !output->notice.isEmpty())
        messages_(QMessageBox::Information, output->notice);
    return made;
}

bool SpreadsheetOutputs::run(int progressMaximum, const QString& fileName, const Build& build)
{
    QString failure;
    try {
        BusyDisplay busy(banner_, bar_, progressMaximum);
        const QString path = WorkbookHandOff::buildInPrivateFolder(
            fileName,
            [&](Workbook& workbook) {
                build(workbook, [&busy] { busy.step(); });
                busy.repaint(); // the bar shows where the build ended while the file is closed
            },
            [&busy] { busy.keepRepainting(); });
        if (!opener_->open(path))
            throw Failure(WorkbookHandOff::cannotOpenMessage(path));
        return true;
    } catch (const Failure& error) {
        failure = error.message();
    } catch (const std::bad_alloc&) {
        failure = QStringLiteral("メモリーが足りないため、ブックを作成できませんでした。");
    } catch (const std::exception& error) {
        failure = QStringLiteral("ブックを作成できませんでした。%1").arg(QString::fromLocal8Bit(error.what()));
    }
    // The banner and the bar are already cleared when the message shows.
    messages_(QMessageBox::Critical, failure);
    return false;
}
