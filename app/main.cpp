// Tarvik: start-up in its fixed order.
#include "app/bilder.h"
#include "app/hilfeform.h"
#include "app/mainform.h"
#include "app/programm.h"
#include "platform/hilfe.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setWindowIcon(Programmsymbol());
    // Qt's own dialogs (files, printing) in German where the translations are installed.
    QTranslator qtTexte;
    if (qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    setzeFatalerFehlerHandler(ProgrammFehlerHandler());

    THilfeForm hilfe;
    setzeHilfeAnzeige(hilfe.Anzeige());
    // F1 opens the help of whichever window is active.
    THilfetaste f1;
    app.installEventFilter(&f1);

    TMainForm hauptfenster;
    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();
    hauptfenster.Programmstart(argumente);

    // The other windows (testers, editors, options, search) are created here,
    // hidden, as they join the program.

    hauptfenster.showMaximized();
    const int status = QApplication::exec();
    setzeHilfeAnzeige({});
    return status;
}
