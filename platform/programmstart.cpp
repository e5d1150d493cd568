#include "platform/programmstart.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <utility>

namespace {

TStartErgebnis standardStart(const QString& programm, const QStringList& argumente)
{
    const QFileInfo datei(programm);
    if (programm.contains(QLatin1Char('/'))) {
        if (!datei.dir().exists())
            return {false, 3};
        if (!datei.exists())
            return {false, 2};
        if (datei.isDir() || !datei.isExecutable())
            return {false, 5};
    }
    QProcess prozess;
    prozess.setProgram(programm);
    prozess.setArguments(argumente);
    if (prozess.startDetached())
        return {true, 0};
    // A name without a directory that the search path does not know.
    if (!programm.contains(QLatin1Char('/')))
        return {false, 2};
    return {false, 0};
}

bool standardAdresse(const QUrl& adresse)
{
    return QDesktopServices::openUrl(adresse);
}

ProgrammstartHandler& startHandler()
{
    static ProgrammstartHandler h = standardStart;
    return h;
}

AdressHandler& adressHandler()
{
    static AdressHandler h = standardAdresse;
    return h;
}

} // namespace

TStartErgebnis StarteProgramm(const QString& programm, const QStringList& argumente)
{
    return startHandler()(programm, argumente);
}

bool OeffneAdresse(const QUrl& adresse)
{
    return adressHandler()(adresse);
}

ProgrammstartHandler setzeProgrammstartHandler(ProgrammstartHandler neu)
{
    if (!neu)
        neu = standardStart;
    return std::exchange(startHandler(), std::move(neu));
}

AdressHandler setzeAdressHandler(AdressHandler neu)
{
    if (!neu)
        neu = standardAdresse;
    return std::exchange(adressHandler(), std::move(neu));
}

ScopedProgrammstart::ScopedProgrammstart(TStartErgebnis ergebnis)
    : ergebnis_(ergebnis)
{
    vorherStart_ = setzeProgrammstartHandler([this](const QString& programm, const QStringList& argumente) {
        aufrufe_.append({programm, argumente});
        return ergebnis_;
    });
    vorherAdresse_ = setzeAdressHandler([this](const QUrl& adresse) {
        adressen_.append(adresse);
        return true;
    });
}

ScopedProgrammstart::~ScopedProgrammstart()
{
    setzeProgrammstartHandler(std::move(vorherStart_));
    setzeAdressHandler(std::move(vorherAdresse_));
}
