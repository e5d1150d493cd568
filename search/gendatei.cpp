#include "search/gendatei.h"

#include "core/textdatei.h"
#include "search/suchparameter.h"
#include "search/suchtexte.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

QByteArray bom(TGenKodierung kodierung)
{
    switch (kodierung) {
    case TGenKodierung::Utf8:
        return QByteArray("\xEF\xBB\xBF", 3);
    case TGenKodierung::Utf16LE:
        return QByteArray("\xFF\xFE", 2);
    case TGenKodierung::Utf16BE:
        return QByteArray("\xFE\xFF", 2);
    case TGenKodierung::Windows1252:
        break;
    }
    return {};
}

QStringConverter::Encoding qtKodierung(TGenKodierung kodierung)
{
    switch (kodierung) {
    case TGenKodierung::Utf16LE:
        return QStringConverter::Utf16LE;
    case TGenKodierung::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

} // namespace

QString GenTitel(const QString& pfad)
{
    return SuchTexte::titel + QStringLiteral(" [") + QFileInfo(pfad).absoluteFilePath() + QLatin1Char(']');
}

QStringList GenZeilen(const QByteArray& bytes, TGenKodierung* kodierung)
{
    TGenKodierung k = TGenKodierung::Windows1252;
    for (const TGenKodierung kandidat : {TGenKodierung::Utf8, TGenKodierung::Utf16LE, TGenKodierung::Utf16BE}) {
        if (bytes.startsWith(bom(kandidat))) {
            k = kandidat;
            break;
        }
    }
    if (kodierung)
        *kodierung = k;
    QString text;
    if (k == TGenKodierung::Windows1252) {
        text = Cp1252Dekodieren(bytes);
    } else {
        // The mark is cut off here: a second one is a character of the first
        // line, which the decoder would otherwise drop at every load.
        QStringDecoder decoder(qtKodierung(k),
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(bytes.mid(bom(k).size()));
    }

    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen.append(text.mid(anfang));
    return zeilen;
}

QByteArray GenBytes(const QStringList& zeilen, TGenKodierung kodierung)
{
    if (kodierung == TGenKodierung::Windows1252) {
        TZeilenschreiber s;
        for (const QString& zeile : zeilen)
            s.zeile(zeile);
        return s.bytes();
    }
    QString text;
    for (const QString& zeile : zeilen)
        text += zeile + QStringLiteral("\r\n");
    QStringEncoder encoder(qtKodierung(kodierung), QStringConverter::Flag::Stateless);
    return bom(kodierung) + QByteArray(encoder.encode(text));
}

TGenErgebnis GenDateiLaden(const QString& pfad, QStringList& liste, std::int32_t& anzahl, TGenKodierung& kodierung)
{
    TGenErgebnis ergebnis;
    liste.clear();
    const auto nichtGelesen = [&](const QString& grund) {
        QString text = SuchTexte::genNichtGelesen + QDir::toNativeSeparators(pfad);
        if (!grund.isEmpty())
            text += QLatin1Char('\r') + grund;
        ergebnis.meldungen.append(TMeldung{MeldungsArt::Fehler, text});
        ergebnis.dateifehler = true;
        return ergebnis;
    };
    const TDateiInhalt datei = DateiLesen(pfad, MaxGendateiGroesse);
    switch (datei.ergebnis) {
    case LeseErgebnis::Ok:
        break;
    case LeseErgebnis::KeineDatei:
        return nichtGelesen(GenTexte::keineDatei);
    case LeseErgebnis::ZuGross:
        return nichtGelesen(GenTexte::zuGross);
    case LeseErgebnis::NichtGeoeffnet:
    case LeseErgebnis::Lesefehler:
        return nichtGelesen(QString());
    }
    TGenKodierung k{};
    QStringList zeilen = GenZeilen(datei.bytes, &k);
    if (std::any_of(zeilen.cbegin(), zeilen.cend(), [](const QString& z) { return z.size() > MaxGenZeilenlaenge; }))
        return nichtGelesen(GenTexte::zeileZuLang);
    liste = std::move(zeilen);
    kodierung = k;
    const TAnzahlAusZeilen ausZeilen = AnzahlAusZeilen(liste.size());
    anzahl = ausZeilen.anzahl;
    if (ausZeilen.meldung)
        ergebnis.meldungen.append(*ausZeilen.meldung);
    if (anzahl < MinChromosomen) {
        ergebnis.meldungen.append(TMeldung{MeldungsArt::Warnung, SuchTexte::minimal2});
        anzahl = 0;
    }
    ergebnis.titel = GenTitel(pfad);
    return ergebnis;
}

TGenErgebnis GenDateiSpeichern(const QString& pfad, const QStringList& liste, TGenKodierung kodierung)
{
    TGenErgebnis ergebnis;
    const QByteArray bytes = GenBytes(liste, kodierung);
    if (DateiErsetzen(pfad, bytes) != SchreibErgebnis::Ok) {
        ergebnis.meldungen.append(
            TMeldung{MeldungsArt::Fehler, SuchTexte::genNichtGespeichert + QDir::toNativeSeparators(pfad)});
        ergebnis.dateifehler = true;
        return ergebnis;
    }
    ergebnis.titel = GenTitel(pfad);
    return ergebnis;
}
