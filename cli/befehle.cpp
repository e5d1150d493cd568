#include "cli/befehle.h"

#include "cli/projektbefehle.h"
#include "cli/pruefbefehl.h"
#include "cli/simulationsbefehl.h"
#include "cli/suchbefehle.h"
#include "cli/werkzeug.h"

#include <cstdio>

QString CliAufruf()
{
    return QStringLiteral(
        "Aufruf: tarvik-cli BEFEHL PROJEKT.fuz [ARGUMENTE]\n"
        "Befehle:\n"
        "  show PROJEKT.fuz              das Projekt lesbar ausgeben\n"
        "  eval PROJEKT.fuz XA [XB] [--rules]\n"
        "                                die Regeln für Eingangswerte auswerten\n"
        "                                (XB nur, wenn Eingang B definiert ist;\n"
        "                                --rules: Erfüllungsgrad jeder Regel)\n"
        "  surface PROJEKT.fuz           das Kennfeld (20 x 20 Werte) ausgeben\n"
        "  rules PROJEKT.fuz CHROMOSOM [--out NEU.fuz]\n"
        "                                die 16 Regeln eines Chromosoms ausgeben; --out\n"
        "                                schreibt das Projekt mit diesen Regeln in seiner\n"
        "                                Regeltabelle (eine Regel je Prämisse; Regeln, die\n"
        "                                nicht hineinpassen, nennt stderr)\n"
        "  grade PROJEKT.fuz CHROMOSOM   die zehn Testläufe eines Chromosoms (reached yes:\n"
        "                                Ziel erreicht) und seine ChrNote\n"
        "  search PROJEKT.fuz --generations G --out AUS.gen [--list EIN.gen] [--seed S]\n"
        "         [--count N] [--crossover R] [--mutation R] [--threads T] [--log DATEI]\n"
        "         [--progress DATEI]\n"
        "                                genetische Regelsuche ohne Fenster (N = 20,\n"
        "                                gerade, 2 bis 40; Kreuzungsrate 0.2,\n"
        "                                Mutationsrate 0.01); gibt am Ende das beste\n"
        "                                Chromosom der letzten Generation und seine\n"
        "                                ChrNote aus\n"
        "                                --progress schreibt Generation, beste ChrNote\n"
        "                                und GenNote als CSV\n"
        "  simulate PROJEKT.fuz --plant crane|pendulum [--steps N] [--dt S] [--wind]\n"
        "         [--length L] [--start X] [--angle GRAD] [--rules]\n"
        "                                Fuzzy-Regelung von Laufkatze oder Pendel ohne\n"
        "                                Fenster, als CSV (N = 600, höchstens 1000000,\n"
        "                                S = 0.05 s, L = 2.5 m, X = -3 m, GRAD = 10;\n"
        "                                --rules: je Regel eine Spalte Rij mit ihrem\n"
        "                                Erfüllungsgrad)\n"
        "  check PROJEKT.fuz [PROJEKT.fuz ...] [--task ID] [--tasks ORDNER] [--csv]\n"
        "                                prüft jede Datei gegen jede Aufgabe (mit --task\n"
        "                                nur gegen diese): eine Zeile je Datei und Aufgabe\n"
        "                                mit \"bestanden\" oder \"nicht bestanden\" und dem\n"
        "                                Messwert; Status 0, wenn alle bestanden haben\n"
        "  check --list [--tasks ORDNER] [--csv]\n"
        "                                die Aufgaben: Kennung und Titel\n"
        "                                (--tasks: nur die Aufgaben dieses Ordners statt\n"
        "                                der mitgelieferten und eigenen)\n"
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
    if (befehl == QLatin1String("check"))
        return BefehlCheck(rest, k);
    return k.aufruf(QStringLiteral("Unbekannter Befehl: ") + befehl);
}
