#include "app/konfiguration.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

QString KonfigurationsDatei(const QString& programmpfad, bool programmpfadBeschreibbar)
{
    if (programmpfadBeschreibbar)
        return QDir(programmpfad).filePath(Konfiguration::Dateiname);
    const QString benutzer = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(benutzer).filePath(QStringLiteral("tarvik/") + Konfiguration::Dateiname);
}

QString KonfigurationsDatei(const QString& programmpfad)
{
    const QFileInfo verzeichnis(programmpfad);
    return KonfigurationsDatei(programmpfad, verzeichnis.isDir() && verzeichnis.isWritable());
}

int ProgrammAnzahl(const TIniDatei& ini)
{
    const int n = ini.ReadInteger(Konfiguration::Extern, Konfiguration::Anzahl, 0);
    return std::clamp(n, 0, Konfiguration::MaxProgramme);
}

QStringList Programmnamen(const TIniDatei& ini, const QString& fehlt)
{
    QStringList namen;
    const int n = ProgrammAnzahl(ini);
    for (int i = 1; i <= n; ++i)
        namen.append(ini.ReadString(Konfiguration::Extern, Konfiguration::Programm + QString::number(i), fehlt));
    return namen;
}

bool KonfigurationSchreiben(const QString& pfad, const TKonfiguration& k)
{
    TIniDatei ini = TIniDatei::Laden(pfad);
    // Never more entries than the reader takes back.
    const qsizetype n = std::min<qsizetype>(k.Programme.size(), Konfiguration::MaxProgramme);
    for (qsizetype i = 0; i < n; ++i)
        ini.WriteString(Konfiguration::Extern, Konfiguration::Programm + QString::number(i + 1), k.Programme[i]);
    ini.WriteInteger(Konfiguration::Extern, Konfiguration::Anzahl, std::int32_t(n));
    ini.WriteBool(Konfiguration::Extension, Konfiguration::Eintrag, k.Eintrag);
    ini.WriteBool(Konfiguration::Extension, Konfiguration::Tamsor, k.Tamsor);
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return ini.Speichern(pfad) == SchreibErgebnis::Ok;
}
