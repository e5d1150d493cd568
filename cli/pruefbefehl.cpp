#include "cli/pruefbefehl.h"

#include "core/projekt.h"
#include "plant/aufgabe.h"
#include "plant/aufgabenpruefung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

struct TPruefOptionen {
    QStringList projekte;
    std::optional<QString> aufgabe;
    std::optional<QString> ordner;
    bool liste = false;
    bool csv = false;
};

std::optional<int> optionenLesen(const QStringList& argumente, TPruefOptionen& o, const TCliKontext& k)
{
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--list")) {
            o.liste = true;
        } else if (a == QLatin1String("--csv")) {
            o.csv = true;
        } else if (a == QLatin1String("--task") || a == QLatin1String("--tasks")) {
            std::optional<QString>& ziel = a == QLatin1String("--task") ? o.aufgabe : o.ordner;
            if (i + 1 >= argumente.size())
                return k.aufruf(QStringLiteral("Der Option %1 fehlt ihr Wert.").arg(a));
            if (ziel)
                return k.aufruf(QStringLiteral("Die Option %1 ist doppelt angegeben.").arg(a));
            ziel = argumente[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            return k.aufruf(QStringLiteral("Unbekannte Option: ") + a);
        } else {
            o.projekte << a;
        }
    }
    if (o.liste && !o.projekte.isEmpty())
        return k.aufruf(QStringLiteral("Mit --list wird keine Projektdatei geprüft."));
    if (o.liste && o.aufgabe)
        return k.aufruf(QStringLiteral("--list und --task passen nicht zusammen."));
    if (!o.liste && o.projekte.isEmpty())
        return k.aufruf(QStringLiteral("Es fehlt die Projektdatei."));
    if (o.ordner && !QFileInfo(*o.ordner).isDir())
        return k.aufruf(QStringLiteral("Den Aufgabenordner gibt es nicht: ") + *o.ordner);
    return std::nullopt;
}

QString csvFeld(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString t = text;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString csvZeile(const QStringList& felder)
{
    QStringList f;
    for (const QString& feld : felder)
        f << csvFeld(feld);
    return f.join(QLatin1Char(','));
}

void ergebnisZeile(const QString& datei, const QString& id, bool bestanden, const QString& messwert, bool csv,
                   const TCliKontext& k)
{
    const QString urteil = bestanden ? PruefTexte::bestanden : PruefTexte::nichtBestanden;
    if (csv)
        k.zeile(csvZeile({datei, id, urteil, messwert}));
    else
        k.zeile(datei + QLatin1Char(' ') + id + QLatin1Char(' ') + urteil + QStringLiteral(" (") + messwert +
                QLatin1Char(')'));
}

int listen(const std::vector<const TAufgabenDatei*>& aufgaben, bool csv, const TCliKontext& k)
{
    if (csv)
        k.zeile(QStringLiteral("aufgabe,titel"));
    qsizetype breite = 0;
    for (const TAufgabenDatei* a : aufgaben)
        breite = std::max(breite, a->id.size());
    for (const TAufgabenDatei* a : aufgaben) {
        if (csv)
            k.zeile(csvZeile({a->id, a->aufgabe->titel}));
        else
            k.zeile(a->id.leftJustified(breite + 2) + a->aufgabe->titel);
    }
    return 0;
}

} // namespace

QStringList CliAufgabenOrdner()
{
    // Installed, the tool lives in bin/ and the program in lib/tarvik/.
    const QDir hier(QCoreApplication::applicationDirPath());
    const QString programm = hier.filePath(QStringLiteral("../lib/tarvik"));
    return AufgabenOrdner(QFileInfo(programm).isDir() ? programm : hier.path());
}

int BefehlCheck(const QStringList& argumente, const TCliKontext& k)
{
    TPruefOptionen o;
    if (const auto status = optionenLesen(argumente, o, k))
        return *status;
    const QStringList ordner = o.ordner ? QStringList{*o.ordner} : CliAufgabenOrdner();
    const std::vector<TAufgabenDatei> dateien = AufgabenLaden(ordner);
    if (dateien.empty()) {
        k.meldung(QStringLiteral("Keine Aufgaben gefunden in: ") + ordner.join(QStringLiteral(", ")));
        return 1;
    }

    int status = 0;
    std::vector<const TAufgabenDatei*> aufgaben;
    for (const TAufgabenDatei& d : dateien) {
        if (o.aufgabe && d.id != *o.aufgabe)
            continue;
        if (d.aufgabe) {
            aufgaben.push_back(&d);
        } else {
            k.meldung(QDir::toNativeSeparators(d.pfad) + QStringLiteral(": ") + d.fehler);
            status = 1;
        }
    }
    if (o.aufgabe && aufgaben.empty() && status == 0) {
        QStringList ids;
        for (const TAufgabenDatei& d : dateien)
            ids << d.id;
        return k.aufruf(QStringLiteral("Unbekannte Aufgabe: %1 (bekannt: %2)").arg(*o.aufgabe, ids.join(QStringLiteral(", "))));
    }

    if (o.liste) {
        listen(aufgaben, o.csv, k);
    } else {
        if (o.csv)
            k.zeile(QStringLiteral("datei,aufgabe,ergebnis,messwert"));
        for (const QString& datei : o.projekte) {
            TProjekt p;
            p.Dateiname = datei;
            const TDateiErgebnis geladen = LoadFile(p);
            QString grund;
            if (geladen.meldung) {
                grund = geladen.meldung->text;
                grund.replace(QLatin1Char('\r'), QLatin1Char(' '));
            }
            for (const TAufgabenDatei* a : aufgaben) {
                if (!grund.isEmpty()) {
                    ergebnisZeile(datei, a->id, false, grund, o.csv, k);
                    status = 1;
                    continue;
                }
                const TPruefergebnis e = AufgabePruefen(*a->aufgabe, p);
                ergebnisZeile(datei, a->id, e.bestanden, e.messwert, o.csv, k);
                if (!e.bestanden)
                    status = 1;
            }
        }
    }
    if (std::fflush(k.aus) != 0 || std::ferror(k.aus)) {
        k.meldung(QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden."));
        return 1;
    }
    return status;
}
