// The record sheet view over a large sheet: the window's grid is shown with
// a fresh sheet, then a loaded sheet is put in its place as opening a file
// does, and the time runs until the grid has been painted again.
//   bench_sheet_view FILE
#include "BenchSupport.h"
#include "main/MainWindowRules.h"
#include "main/RecordSheetModel.h"
#include "main/RecordSheetView.h"
#include "sheet/RecordFile.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_sheet_view FILE\n");
        return 2;
    }
    QString company;
    RecordSheet loaded;
    RecordFile::load(QString::fromLocal8Bit(argv[1]), company, loaded);

    RecordDocument document;
    RecordSheetModel model(document);
    RecordSheetView view;
    view.setSheetModel(&model);
    view.setColumnWidths(MainWindowRules::kCreationColumnWidths);
    view.resize(MainWindowRules::kInitialClientWidth, MainWindowRules::kInitialClientHeight);
    view.show();
    while (!view.windowHandle() || !view.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    view.repaint();

    report(millisecondsOf([&] {
        document.replaceSheet(std::move(loaded));
        view.repaint();
        QCoreApplication::processEvents();
    }));
    return model.rowCount() == document.sheet().rowCount() - 1 ? 0 : 1;
}
