// A long print keeps the program alive: the pages are reported one by one as
// they go out, a progress dialog comes up and the window goes on repainting.
#include "print/LayoutSurface.h"
#include "print/PageSource.h"
#include "print/PrinterOutput.h"
#include "print/ui/PrintJob.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Pages of one line each; each page may run a check while it is drawn.
class WatchedPages : public PageSource {
public:
    WatchedPages(int count, std::function<void(int page)> whileDrawing)
        : count_(count), whileDrawing_(std::move(whileDrawing))
    {
    }
    int pageCount() const override { return count_; }
    void drawPage(LayoutSurface& surface, int page) const override
    {
        surface.line({0, 0}, {600, 600}, 1);
        ++drawn;
        whileDrawing_(page);
    }
    mutable int drawn = 0;

private:
    int count_;
    std::function<void(int page)> whileDrawing_;
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class PrintProgressTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachPageIsReportedAfterItIsDrawn()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"pages.pdf"_qs));
        PrinterOutput::setUpPage(printer);
        const WatchedPages pages(4, [](int) {});
        // Reported count, pages actually drawn by then, page count.
        std::vector<std::array<int, 3>> reports;
        PrinterOutput::drawDocument(printer, pages, [&](int drawn, int count) {
            reports.push_back({drawn, pages.drawn, count});
            return true;
        });
        const std::vector<std::array<int, 3>> expected{{1, 1, 4}, {2, 2, 4}, {3, 3, 4}, {4, 4, 4}};
        QCOMPARE(reports, expected);
    }

    void aLongPrintShowsItsProgressAndTheWindowRepaints()
    {
        QTemporaryDir dir;
        QWidget window;
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PaintCounter counter;
        window.installEventFilter(&counter);

        PrintJobHooks hooks;
        hooks.choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(u"long.pdf"_qs));
            return true;
        };
        QStringList warnings;
        hooks.warn = [&](const QString& message) { warnings << message; };

        // About a second and a half of pages; the window asks for a repaint on the way.
        constexpr int kPages = 30;
        bool dialogSeen = false;
        int largestValue = 0;
        const WatchedPages pages(kPages, [&](int page) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (page == 2)
                window.update();
            for (const QProgressDialog* dialog : window.findChildren<QProgressDialog*>()) {
                dialogSeen = dialogSeen || dialog->isVisible();
                largestValue = std::max(largestValue, dialog->value());
                QCOMPARE(dialog->maximum(), kPages);
            }
        });
        QVERIFY(PrintJob(&window, hooks).print(pages));

        QVERIFY(warnings.isEmpty());
        QCOMPARE(pages.drawn, kPages);
        QVERIFY(dialogSeen);
        QVERIFY(largestValue > kPages / 2);
        QVERIFY(counter.paints > 0);
        QVERIFY(window.findChildren<QProgressDialog*>().isEmpty());
    }

    void cancelStopsTheLongPrintAfterThePageAndLeavesNoFile_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("キャンセル button") << false;
        QTest::newRow("close box") << true;
    }

    void cancelStopsTheLongPrintAfterThePageAndLeavesNoFile()
    {
        QFETCH(bool, closeBox);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"cancelled.pdf"_qs);
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PrintJobHooks hooks;
        hooks.choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        QStringList warnings;
        hooks.warn = [&](const QString& message) { warnings << message; };

        int cancelledAt = 0;
        const WatchedPages pages(200, [&](int page) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            QProgressDialog* dialog = window.findChild<QProgressDialog*>();
            if (cancelledAt || !dialog || !dialog->isVisible())
                return;
            QTest::qWait(60); // the dialog lays itself out and takes clicks
            auto* cancel = dialog->findChild<QPushButton*>();
            QVERIFY(cancel);
            QCOMPARE(cancel->text(), u"キャンセル"_qs);
            if (closeBox)
                dialog->close();
            else
                QTest::mouseClick(cancel, Qt::LeftButton);
            cancelledAt = page;
        });
        QVERIFY(!PrintJob(&window, hooks).print(pages));

        QVERIFY(cancelledAt > 0);
        QCOMPARE(pages.drawn, cancelledAt);
        QVERIFY(warnings.isEmpty());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(window.findChildren<QProgressDialog*>().isEmpty());
    }

    void aShortPrintShowsNoProgress()
    {
        QTemporaryDir dir;
        QWidget window;
        PrintJobHooks hooks;
        hooks.choosePrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(u"short.pdf"_qs));
            return true;
        };
        bool dialogSeen = false;
        const WatchedPages pages(3, [&](int) {
            for (const QProgressDialog* dialog : window.findChildren<QProgressDialog*>())
                dialogSeen = dialogSeen || dialog->isVisible();
        });
        // Whether a print is short depends on the machine: the dialog may
        // come up only once the print has run for its delay of half a second.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(PrintJob(&window, hooks).print(pages));
        QVERIFY2(!dialogSeen || clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(PrintProgressTest)
#include "PrintProgressTest.moc"
