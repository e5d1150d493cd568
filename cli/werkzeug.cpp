#include "cli/werkzeug.h"

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
    return GleitZahl(wert, 9);
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

std::optional<QString> TCliArgumente::wert(const char* name) const
{
    const auto it = werte.find(QString::fromLatin1(name));
    if (it == werte.end())
        return std::nullopt;
    return it->second;
}

bool TCliArgumente::gesetzt(const char* name) const
{
    return schalter.contains(QLatin1String(name));
}

std::optional<int> ArgumenteLesen(const QStringList& argumente, const QStringList& mitWert,
                                  const QStringList& schalter, TCliArgumente& ergebnis, const TCliKontext& k)
{
    QStringList positionen;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (!a.startsWith(QLatin1String("--"))) {
            positionen << a;
            continue;
        }
        if (schalter.contains(a)) {
            ergebnis.schalter << a;
            continue;
        }
        if (!mitWert.contains(a))
            return k.aufruf(QStringLiteral("Unbekannte Option: ") + a);
        if (i + 1 >= argumente.size())
            return k.aufruf(QStringLiteral("Der Option %1 fehlt ihr Wert.").arg(a));
        if (ergebnis.werte.count(a))
            return k.aufruf(QStringLiteral("Die Option %1 ist doppelt angegeben.").arg(a));
        ergebnis.werte[a] = argumente[++i];
    }
    if (positionen.isEmpty())
        return k.aufruf(QStringLiteral("Es fehlt die Projektdatei."));
    if (positionen.size() > 1)
        return k.aufruf(QStringLiteral("Zu viele Argumente."));
    ergebnis.projekt = positionen.first();
    return std::nullopt;
}
