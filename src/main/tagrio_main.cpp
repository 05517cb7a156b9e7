// tagrio: the main window, the entry form and the cable catalogue.
#include "CrashRecovery.h"
#include "InstanceSlot.h"
#include "JapaneseTranslation.h"
#include "MainWindow.h"
#include "catalogue/ui/CatalogueWindow.h"
#include "entry/EntryForm.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio"));
    installJapaneseTranslation(app);

    MainWindow mainWindow;
    EntryForm entryForm(mainWindow.document());
    CatalogueWindow catalogue;
    mainWindow.setEntryForm(&entryForm);
    entryForm.setCatalogueWindow(&catalogue);
    catalogue.setPickTarget(entryForm.cableTypeField(), entryForm.purposeField());

    // The program ends with the main window, even while the catalogue is open.
    QObject::connect(&mainWindow, &MainWindow::closing, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // A second program's window opens below and right of the first's.
    const InstanceSlot slot(InstanceSlot::defaultFolder());
    if (const QScreen* screen = mainWindow.screen()) {
        QRect frame = mainWindow.frameGeometry();
        const QRect available = screen->availableGeometry();
        frame.moveCenter(available.center());
        frame.translate(slot.windowOffset());
        // Kept on the screen: the offset gives way at its right and bottom edges.
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveTopLeft(QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
        mainWindow.move(frame.topLeft());
    }
    mainWindow.show();
    CrashRecovery recovery(mainWindow);
    if (recovery.offerLeftBehindCopies())
        mainWindow.skipCommandLineFile();
    // Without a window manager nothing activates the window, and the record
    // file named on the command line opens at the first activation.
    mainWindow.activateWindow();
    return app.exec();
}
