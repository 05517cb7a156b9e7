// tagrio: the main window, the entry form and the cable catalogue.
#include "CrashRecovery.h"
#include "JapaneseTranslation.h"
#include "MainWindow.h"
#include "catalogue/ui/CatalogueWindow.h"
#include "entry/EntryForm.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio"));
    installJapaneseTranslation(app);

    MainWindow form1;
    EntryForm form2(form1.document());
    CatalogueWindow form3;
    form1.setEntryForm(&form2);
    form2.setCatalogueWindow(&form3);
    form3.setPickTarget(form2.cableTypeField(), form2.purposeField());

    // The program ends with the main window, even while the catalogue is open.
    QObject::connect(&form1, &MainWindow::closing, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    if (const QScreen* screen = form1.screen()) {
        QRect frame = form1.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form1.move(frame.topLeft());
    }
    form1.show();
    CrashRecovery recovery(form1);
    if (recovery.offerLeftBehindCopies())
        form1.skipCommandLineFile();
    // Without a window manager nothing activates the window, and the record
    // file named on the command line opens at the first activation.
    form1.activateWindow();
    return app.exec();
}
