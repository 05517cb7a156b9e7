// tagrio: the main window, the entry form and the cable catalogue.
#include "TForm1.h"

#ifdef TAGRIO_HAVE_ENTRY_FORM
#include "TForm2.h"
#endif
#ifdef TAGRIO_HAVE_CATALOGUE_WINDOW
#include "TForm3.h"
#endif

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tagrio"));

    TForm1 form1;
#ifdef TAGRIO_HAVE_ENTRY_FORM
    TForm2 form2(form1.sheet(), form1.f());
    form1.setEntryForm(&form2);
#endif
#ifdef TAGRIO_HAVE_CATALOGUE_WINDOW
    TForm3 form3;
#ifdef TAGRIO_HAVE_ENTRY_FORM
    form2.setCatalogueWindow(&form3);
    form3.setPickTarget(form2.cableTypeField(), form2.purposeField());
#endif
#endif

    // The program ends with the main window, even while the catalogue is open.
    QObject::connect(&form1, &TForm1::closing, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    if (const QScreen* screen = form1.screen()) {
        QRect frame = form1.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form1.move(frame.topLeft());
    }
    form1.show();
    return app.exec();
}
