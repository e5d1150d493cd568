// For the package test: ties ".fuz" to PROGRAMM for the current user as the
// set-up does, in the places the XDG variables name.
#include "platform/dateitypen.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() != 2) {
        std::fputs("Aufruf: dateityp_schreiben PROGRAMM\n", stderr);
        return 2;
    }
    const QString programm = argumente[1];
    const TDateityp typ{QStringLiteral("fuz"), QFileInfo(programm).path() + QStringLiteral("/tarvik.exe ^.fuz"),
                        programm, QStringLiteral("Tarvik"), QStringLiteral("Fuzzy-Datei")};
    return Xdg::Verknuepfen(typ, false) ? 0 : 1;
}
