#include "WindowTestSupport.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio-window-tests"));
    int failures = 0;
    failures += runMainWindowLayoutTests(argc, argv);
    failures += runRecordSheetTests(argc, argv);
    failures += runMainWindowFileTests(argc, argv);
    failures += runMainWindowTableTests(argc, argv);
    failures += runUndoWindowTests(argc, argv);
    failures += runRecoveryWriterTests(argc, argv);
    failures += runLabelStockWindowTests(argc, argv);
    failures += runWindowTextsTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
