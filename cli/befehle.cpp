#include "cli/befehle.h"

#include "cli/projektbefehle.h"
#include "cli/simulationsbefehl.h"
#include "cli/suchbefehle.h"
#include "cli/werkzeug.h"
#include "core/textdatei.h"
#include "core/zahlenformat.h"

#include <cstdio>

void TCliKontext::zeile(const QString& text) const
{
    std::fprintf(aus, "%s\n", text.toLocal8Bit().constData());
}

void TCliKontext::meldung(const QString& text) const
{
    // A "\r" in the program's message texts is a line break.
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(fehler, "%s\n", t.toLocal8Bit().constData());
}

int TCliKontext::aufruf(const QString& grund) const
{
    if (!grund.isEmpty())
        meldung(grund);
    std::fputs(CliAufruf().toLocal8Bit().constData(), fehler);
    return 2;
}

QString Zahl(float wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.9g", static_cast<double>(wert));
    return QString::fromLatin1(puffer);
}

QString Zahlen(const float* werte, int anzahl)
{
    QStringList teile;
    for (int i = 0; i < anzahl; ++i)
        teile << Zahl(werte[i]);
    return teile.join(QLatin1Char(' '));
}

std::optional<float> ZahlArgument(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return LiesReal(t);
}

bool ProjektLaden(const QString& pfad, TProjekt& projekt, const TCliKontext& k)
{
    projekt.Dateiname = pfad;
    const TDateiErgebnis ergebnis = LoadFile(projekt);
    if (ergebnis.meldung) {
        k.meldung(ergebnis.meldung->text);
        return false;
    }
    return true;
}

QString CliAufruf()
{
    return QStringLiteral(
        "Aufruf: tarvik-cli BEFEHL PROJEKT.fuz [ARGUMENTE]\n"
        "Befehle:\n"
        "  show PROJEKT.fuz              das Projekt lesbar ausgeben\n"
        "  eval PROJEKT.fuz XA [XB]      die Regeln für Eingangswerte auswerten\n"
        "                                (XB nur, wenn Eingang B definiert ist)\n"
        "  surface PROJEKT.fuz           das Kennfeld (20 x 20 Werte) ausgeben\n"
        "  rules PROJEKT.fuz CHROMOSOM   die 16 Regeln eines Chromosoms ausgeben\n"
        "  grade PROJEKT.fuz CHROMOSOM   die zehn Testläufe eines Chromosoms und seine ChrNote\n"
        "  search PROJEKT.fuz --generations G --out AUS.gen [--list EIN.gen] [--seed S]\n"
        "         [--count N] [--crossover R] [--mutation R] [--threads T] [--log DATEI]\n"
        "                                genetische Regelsuche ohne Fenster (N = 20,\n"
        "                                Kreuzungsrate 0.2, Mutationsrate 0.01)\n"
        "  simulate PROJEKT.fuz --plant crane|pendulum [--steps N] [--dt S] [--wind]\n"
        "         [--length L] [--start X] [--angle GRAD]\n"
        "                                Fuzzy-Regelung von Laufkatze oder Pendel ohne\n"
        "                                Fenster, als CSV (N = 600, S = 0.05 s, L = 2.5 m,\n"
        "                                X = -3 m, GRAD = 10)\n"
        "  --help                        diese Hilfe\n");
}

int TarvikCli(const QStringList& argumente, std::FILE* aus, std::FILE* fehler)
{
    const TCliKontext k{aus, fehler};
    if (argumente.isEmpty())
        return k.aufruf(QStringLiteral("Es fehlt ein Befehl."));
    const QString befehl = argumente.first();
    const QStringList rest = argumente.mid(1);
    if (befehl == QLatin1String("--help") || befehl == QLatin1String("-h") || befehl == QLatin1String("help")) {
        std::fputs(CliAufruf().toLocal8Bit().constData(), aus);
        return 0;
    }
    if (befehl == QLatin1String("show"))
        return BefehlShow(rest, k);
    if (befehl == QLatin1String("eval"))
        return BefehlEval(rest, k);
    if (befehl == QLatin1String("surface"))
        return BefehlSurface(rest, k);
    if (befehl == QLatin1String("rules"))
        return BefehlRules(rest, k);
    if (befehl == QLatin1String("grade"))
        return BefehlGrade(rest, k);
    if (befehl == QLatin1String("search"))
        return BefehlSearch(rest, k);
    if (befehl == QLatin1String("simulate"))
        return BefehlSimulate(rest, k);
    return k.aufruf(QStringLiteral("Unbekannter Befehl: ") + befehl);
}
