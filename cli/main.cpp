#include "cli/befehle.h"
#include "core/fehler.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    setzeFatalerFehlerHandler([](const QString& text) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        std::exit(1);
    });
    QStringList argumente = QCoreApplication::arguments();
    argumente.removeFirst();
    return TarvikCli(argumente, stdout, stderr);
}
