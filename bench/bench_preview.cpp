// The print preview of a full sheet: the time from asking for the preview to
// its first page on screen, and the process memory before the preview, while
// it is open and paged through, and after it has closed.
//   bench_preview FILE open    time to first page; peak_kb: memory held while open, over before
//   bench_preview FILE close   time to close;      peak_kb: memory kept after closing, over before
#include "BenchSupport.h"
#include "print/SamplePictures.h"
#include "print/TypeAPlates.h"
#include "print/ui/PagePreview.h"
#include "print/ui/PreviewDialog.h"
#include "sheet/RecordFile.h"
#include "sheet/SettingsFile.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>

namespace {

// The type A pages, telling when the first one has been drawn.
class WatchedPlates : public PageSource {
public:
    explicit WatchedPlates(const TypeAPlates& plates) : plates_(plates) {}
    int pageCount() const override { return plates_.pageCount(); }
    void drawPage(LayoutSurface& surface, int page) const override
    {
        plates_.drawPage(surface, page);
        ++drawn;
    }
    bool hasRecords() const override { return plates_.hasRecords(); }
    mutable int drawn = 0;

private:
    const TypeAPlates& plates_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString mode = argc == 3 ? QString::fromLatin1(argv[2]) : QString();
    if (mode != u"open" && mode != u"close") {
        std::fprintf(stderr, "usage: bench_preview FILE open|close\n");
        return 2;
    }
    QString company;
    RecordSheet sheet;
    RecordFile::load(QString::fromLocal8Bit(argv[1]), company, sheet);
    const Settings settings = Settings::defaults();
    // The main window draws its sample pictures with the print painters at
    // start, so the print faces are loaded before any preview.
    sampleTypeAPicture(QSize(445, 123));
    sampleTypeBPicture(QSize(171, 108));
    QCoreApplication::processEvents();
    const long before = residentKilobytes();

    long during = before;
    double firstPage = 0;
    const double closing = [&] {
        const TypeAPlates plates(sheet, settings, TextOrder::Standard);
        const WatchedPlates pages(plates);
        auto dialog = std::make_unique<PreviewDialog>(pages, [] {});
        firstPage = millisecondsOf([&] {
            dialog->show();
            while (pages.drawn == 0)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        });
        // Paged through from end to end and zoomed in, as a user might.
        PagePreview* preview = dialog->preview();
        for (const double zoom : {1.0, 4.0, 0.25}) {
            preview->setZoom(zoom);
            for (const int page : {2, 1000, 8000, preview->pageCount()}) {
                preview->goToPage(page);
                preview->viewport()->repaint();
                during = std::max(during, residentKilobytes());
            }
        }
        return millisecondsOf([&] {
            dialog.reset();
            QCoreApplication::processEvents();
        });
    }();
    const long after = residentKilobytes();
    std::fprintf(stderr, "resident: before %ld kB, open %ld kB, after closing %ld kB\n", before, during, after);

    const bool open = mode == u"open";
    std::printf("time_ms=%.1f peak_kb=%ld\n", open ? firstPage : closing, std::max(0L, (open ? during : after) - before));
    return 0;
}
