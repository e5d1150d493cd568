#include "plant/aufgabe.h"

#include "core/ini.h"
#include "core/textdatei.h"
#include "core/zahlenformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

QString zeile(qsizetype nummer)
{
    return QStringLiteral("Zeile ") + IntEditText(static_cast<std::int32_t>(nummer)) + QStringLiteral(": ");
}

QString nummerText(qsizetype nummer)
{
    return IntEditText(static_cast<std::int32_t>(nummer));
}

QString zitat(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

bool gleich(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// The sections a task file knows; "Bereich" stands for every section whose
// name begins with it.
enum class Art { Aufgabe, Start, Bereich, Lampe };

std::optional<Art> abschnittsart(const QString& name)
{
    if (gleich(name, "Aufgabe"))
        return Art::Aufgabe;
    if (gleich(name, "Start"))
        return Art::Start;
    if (gleich(name, "Lampe"))
        return Art::Lampe;
    if (name.startsWith(QLatin1String("Bereich"), Qt::CaseInsensitive))
        return Art::Bereich;
    return std::nullopt;
}

bool textSchluessel(const QString& schluessel, int* nummer = nullptr)
{
    static const QRegularExpression muster(QStringLiteral("^text([1-9][0-9]?)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto treffer = muster.match(schluessel);
    if (!treffer.hasMatch())
        return false;
    if (nummer)
        *nummer = treffer.captured(1).toInt();
    return true;
}

bool bekannt(Art art, const QString& schluessel)
{
    static const std::map<Art, std::vector<const char*>> schluessel_ = {
        {Art::Aufgabe, {"Titel", "Anlage", "Dauer", "MaxRegeln"}},
        {Art::Start, {"Laenge", "Position", "Winkel", "Wind"}},
        {Art::Bereich, {"Groesse", "Minimum", "Maximum", "Ab", "Bis"}},
        {Art::Lampe, {"Spaetestens"}},
    };
    if (art == Art::Aufgabe && textSchluessel(schluessel))
        return true;
    const auto& liste = schluessel_.at(art);
    return std::any_of(liste.begin(), liste.end(), [&](const char* s) { return gleich(schluessel, s); });
}

struct Wert {
    qsizetype zeile = 0;
    QString text;
};

struct Abschnitt {
    QString name;
    Art art = Art::Aufgabe;
    qsizetype zeile = 0;
    std::vector<std::pair<QString, Wert>> eintraege; // in the file's order

    const Wert* wert(const char* schluessel) const
    {
        for (const auto& [s, w] : eintraege) {
            if (gleich(s, schluessel))
                return &w;
        }
        return nullptr;
    }
};

// Thrown inside the reader only: the message of the first mistake.
struct Fehler {
    QString text;
};

[[noreturn]] void fehler(qsizetype nummer, const QString& text)
{
    throw Fehler{nummer > 0 ? zeile(nummer) + text : text};
}

float zahl(const Wert& w)
{
    // Teachers write "2,5" as well as "2.5".
    const auto z = LiesSingEditZahl(w.text);
    if (!z)
        fehler(w.zeile, zitat(w.text) + QStringLiteral(" ist keine Zahl."));
    return *z;
}

std::vector<float> zahlenliste(const Wert& w)
{
    std::vector<float> liste;
    for (const QString& teil : w.text.split(QLatin1Char(';'))) {
        const auto z = LiesSingEditZahl(teil.trimmed());
        if (!z)
            fehler(w.zeile, zitat(teil.trimmed()) +
                                QStringLiteral(" ist keine Zahl (mehrere Startwerte werden mit ; getrennt)."));
        liste.push_back(*z);
    }
    if (liste.size() > MeisteStarts)
        fehler(w.zeile, QStringLiteral("Höchstens %1 Startwerte sind erlaubt.").arg(IntEditText(MeisteStarts)));
    return liste;
}

std::optional<TMessgroesse> messgroesse(const QString& name)
{
    for (TMessgroesse g : {TMessgroesse::Position, TMessgroesse::Geschwindigkeit, TMessgroesse::Winkel,
                           TMessgroesse::Winkelgeschwindigkeit, TMessgroesse::Kraft}) {
        if (name.compare(Groessenname(g), Qt::CaseInsensitive) == 0)
            return g;
    }
    return std::nullopt;
}

// The sections of the file, with every line checked against the format.
std::vector<Abschnitt> abschnitteLesen(const QByteArray& inhalt)
{
    std::vector<Abschnitt> abschnitte;
    for (const TIniZeile& z : TIniDatei(inhalt).Eintraege()) {
        switch (z.art) {
        case TIniZeile::Art::Unverstanden:
            fehler(z.nummer, zitat(z.wert) +
                                 QStringLiteral(" ist weder ein Abschnitt wie [Start] noch ein Eintrag wie Dauer=60."));
        case TIniZeile::Art::Abschnitt: {
            const auto art = abschnittsart(z.abschnitt);
            if (!art)
                fehler(z.nummer, QStringLiteral("Unbekannter Abschnitt [%1]. Erlaubt sind [Aufgabe], [Start], "
                                                "[Lampe] und Abschnitte, deren Name mit Bereich beginnt.")
                                     .arg(z.abschnitt));
            for (const Abschnitt& a : abschnitte) {
                if (a.name.compare(z.abschnitt, Qt::CaseInsensitive) == 0)
                    fehler(z.nummer, QStringLiteral("Der Abschnitt [%1] steht schon in Zeile %2.")
                                         .arg(z.abschnitt, nummerText(a.zeile)));
            }
            abschnitte.push_back({z.abschnitt, *art, z.nummer, {}});
            break;
        }
        case TIniZeile::Art::Eintrag: {
            if (abschnitte.empty())
                fehler(z.nummer, QStringLiteral("Der Eintrag %1 steht vor dem ersten Abschnitt.").arg(z.schluessel));
            Abschnitt& a = abschnitte.back();
            if (!bekannt(a.art, z.schluessel))
                fehler(z.nummer, QStringLiteral("Unbekannter Eintrag %1 im Abschnitt [%2].").arg(z.schluessel, a.name));
            for (const auto& [s, w] : a.eintraege) {
                if (s.compare(z.schluessel, Qt::CaseInsensitive) == 0)
                    fehler(z.nummer, QStringLiteral("Der Eintrag %1 steht schon in Zeile %2.").arg(z.schluessel, nummerText(w.zeile)));
            }
            a.eintraege.push_back({z.schluessel, {z.nummer, z.wert}});
            break;
        }
        }
    }
    return abschnitte;
}

const Wert& pflicht(const Abschnitt& a, const char* schluessel)
{
    const Wert* w = a.wert(schluessel);
    if (!w)
        fehler(a.zeile, QStringLiteral("Im Abschnitt [%1] fehlt der Eintrag %2.").arg(a.name, QLatin1String(schluessel)));
    return *w;
}

void aufgabeLesen(const Abschnitt& a, TAufgabe& aufgabe)
{
    aufgabe.titel = pflicht(a, "Titel").text;
    if (aufgabe.titel.isEmpty())
        fehler(pflicht(a, "Titel").zeile, QStringLiteral("Der Titel ist leer."));
    const Wert& anlage = pflicht(a, "Anlage");
    if (gleich(anlage.text, "Pendel"))
        aufgabe.pendel = true;
    else if (gleich(anlage.text, "Laufkatze"))
        aufgabe.pendel = false;
    else
        fehler(anlage.zeile, QStringLiteral("Die Anlage ist Pendel oder Laufkatze, nicht %1.").arg(zitat(anlage.text)));
    const Wert& dauer = pflicht(a, "Dauer");
    aufgabe.dauer = zahl(dauer);
    if (!(aufgabe.dauer > 0 && aufgabe.dauer <= LaengsteDauer))
        fehler(dauer.zeile, QStringLiteral("Die Dauer muss größer als 0 s und höchstens %1 s sein.")
                                .arg(AufgabenZahl(LaengsteDauer)));
    if (const Wert* regeln = a.wert("MaxRegeln")) {
        const auto n = LiesGanzzahl(regeln->text);
        if (!n || *n < 0 || *n > 25)
            fehler(regeln->zeile, QStringLiteral("MaxRegeln muss eine ganze Zahl von 0 bis 25 sein."));
        aufgabe.maxRegeln = *n;
    }
    std::vector<std::pair<int, QString>> texte;
    for (const auto& [s, w] : a.eintraege) {
        int nummer = 0;
        if (textSchluessel(s, &nummer))
            texte.emplace_back(nummer, w.text);
    }
    std::sort(texte.begin(), texte.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (const auto& [nummer, text] : texte)
        aufgabe.text << text;
}

void startLesen(const Abschnitt* a, TAufgabe& aufgabe)
{
    aufgabe.starts = {aufgabe.pendel ? 10.0f : -3.0f};
    if (!a)
        return;
    if (const Wert* laenge = a->wert("Laenge")) {
        aufgabe.laenge = zahl(*laenge);
        if (!(aufgabe.laenge > 0 && aufgabe.laenge <= 100))
            fehler(laenge->zeile, QStringLiteral("Die Länge muss größer als 0 m und höchstens 100 m sein."));
    }
    const Wert* position = a->wert("Position");
    const Wert* winkel = a->wert("Winkel");
    if (position && aufgabe.pendel)
        fehler(position->zeile, QStringLiteral("Eine Startposition gibt es nur bei der Laufkatze; das Pendel "
                                               "startet immer bei 1.5 m."));
    if (winkel && !aufgabe.pendel)
        fehler(winkel->zeile, QStringLiteral("Einen Startwinkel gibt es nur beim Pendel; die Last der Laufkatze "
                                             "hängt beim Start senkrecht."));
    if (const Wert* start = position ? position : winkel)
        aufgabe.starts = zahlenliste(*start);
    if (const Wert* wind = a->wert("Wind")) {
        if (gleich(wind->text, "ja") || gleich(wind->text, "ein") || wind->text == QLatin1String("1"))
            aufgabe.wind = true;
        else if (gleich(wind->text, "nein") || gleich(wind->text, "aus") || wind->text == QLatin1String("0"))
            aufgabe.wind = false;
        else
            fehler(wind->zeile, QStringLiteral("Wind ist ja oder nein, nicht %1.").arg(zitat(wind->text)));
    }
}

// A time of a condition: from 0 to the end of the run.
float zeitpunkt(const Wert& w, const TAufgabe& aufgabe)
{
    const float t = zahl(w);
    if (!(t >= 0 && t <= aufgabe.dauer))
        fehler(w.zeile, QStringLiteral("Die Zeit muss zwischen 0 s und der Dauer des Laufs (%1 s) liegen.")
                            .arg(AufgabenZahl(aufgabe.dauer)));
    return t;
}

TBereich bereichLesen(const Abschnitt& a, const TAufgabe& aufgabe)
{
    TBereich b;
    b.abschnitt = a.name;
    const Wert& groesse = pflicht(a, "Groesse");
    const auto g = messgroesse(groesse.text);
    if (!g)
        fehler(groesse.zeile, QStringLiteral("Unbekannte Größe %1; erlaubt sind Position, Geschwindigkeit, Winkel, "
                                             "Winkelgeschwindigkeit und Kraft.")
                                  .arg(zitat(groesse.text)));
    b.groesse = *g;
    const Wert* minimum = a.wert("Minimum");
    const Wert* maximum = a.wert("Maximum");
    if (!minimum && !maximum)
        fehler(a.zeile, QStringLiteral("Im Abschnitt [%1] fehlt Minimum oder Maximum.").arg(a.name));
    if (minimum)
        b.minimum = zahl(*minimum);
    if (maximum)
        b.maximum = zahl(*maximum);
    if (b.minimum > b.maximum)
        fehler(minimum->zeile, QStringLiteral("Das Minimum ist größer als das Maximum."));
    b.bis = aufgabe.dauer;
    if (const Wert* ab = a.wert("Ab"))
        b.ab = zeitpunkt(*ab, aufgabe);
    if (const Wert* bis = a.wert("Bis"))
        b.bis = zeitpunkt(*bis, aufgabe);
    if (b.ab > b.bis)
        fehler(a.wert("Ab")->zeile, QStringLiteral("Ab liegt nach Bis."));
    return b;
}

QString einheitZahl(float wert, TMessgroesse g)
{
    return AufgabenZahl(wert) + Einheit(g);
}

bool gueltigeKennung(const QString& id)
{
    if (id.isEmpty())
        return false;
    return std::all_of(id.begin(), id.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_');
    });
}

} // namespace

QString Groessenname(TMessgroesse g)
{
    switch (g) {
    case TMessgroesse::Position:
        return QStringLiteral("Position");
    case TMessgroesse::Geschwindigkeit:
        return QStringLiteral("Geschwindigkeit");
    case TMessgroesse::Winkel:
        return QStringLiteral("Winkel");
    case TMessgroesse::Winkelgeschwindigkeit:
        return QStringLiteral("Winkelgeschwindigkeit");
    case TMessgroesse::Kraft:
        return QStringLiteral("Kraft");
    }
    return {};
}

QString Einheit(TMessgroesse g)
{
    switch (g) {
    case TMessgroesse::Position:
        return QStringLiteral(" m");
    case TMessgroesse::Geschwindigkeit:
        return QStringLiteral(" m/s");
    case TMessgroesse::Winkel:
        return QStringLiteral("°");
    case TMessgroesse::Winkelgeschwindigkeit:
        return QStringLiteral("°/s");
    case TMessgroesse::Kraft:
        return QStringLiteral(" N");
    }
    return {};
}

int Schrittzahl(float sekunden)
{
    return static_cast<int>(std::lround(static_cast<double>(sekunden) * SchritteProSekunde));
}

// A bound given in a file's decimals ("10", "0.35") is hit exactly, although
// it is no multiple of the step in binary.
int ErsteZeile(float ab)
{
    return static_cast<int>(std::ceil(static_cast<double>(ab) * SchritteProSekunde - 1e-4));
}

int LetzteZeile(float bis)
{
    return static_cast<int>(std::floor(static_cast<double>(bis) * SchritteProSekunde + 1e-4));
}

std::optional<TAufgabe> AufgabeLesen(const QByteArray& inhalt, const QString& id, QString& meldung)
{
    try {
        const std::vector<Abschnitt> abschnitte = abschnitteLesen(inhalt);
        auto finden = [&](Art art) -> const Abschnitt* {
            for (const Abschnitt& a : abschnitte) {
                if (a.art == art)
                    return &a;
            }
            return nullptr;
        };
        TAufgabe aufgabe;
        aufgabe.id = id;
        const Abschnitt* kopf = finden(Art::Aufgabe);
        if (!kopf)
            fehler(0, QStringLiteral("Der Abschnitt [Aufgabe] fehlt."));
        aufgabeLesen(*kopf, aufgabe);
        startLesen(finden(Art::Start), aufgabe);
        for (const Abschnitt& a : abschnitte) {
            if (a.art == Art::Bereich)
                aufgabe.bereiche.push_back(bereichLesen(a, aufgabe));
        }
        if (const Abschnitt* lampe = finden(Art::Lampe)) {
            if (aufgabe.pendel)
                fehler(lampe->zeile, QStringLiteral("Die Lampe gibt es nur bei der Laufkatze."));
            aufgabe.gruenSpaetestens = aufgabe.dauer;
            if (const Wert* s = lampe->wert("Spaetestens"))
                aufgabe.gruenSpaetestens = zeitpunkt(*s, aufgabe);
        }
        if (aufgabe.bereiche.empty() && !aufgabe.gruenSpaetestens)
            fehler(0, QStringLiteral("Die Aufgabe prüft nichts: Es fehlt ein Abschnitt [Bereich …] oder [Lampe]."));
        meldung.clear();
        return aufgabe;
    } catch (const Fehler& f) {
        meldung = f.text;
        return std::nullopt;
    }
}

TAufgabenDatei AufgabeLaden(const QString& pfad)
{
    TAufgabenDatei datei;
    datei.pfad = pfad;
    datei.id = QFileInfo(pfad).completeBaseName();
    if (!gueltigeKennung(datei.id)) {
        datei.fehler = QStringLiteral("Der Dateiname taugt nicht als Kennung der Aufgabe: Erlaubt sind Buchstaben, "
                                      "Ziffern, - und _.");
        return datei;
    }
    // A task is a few lines; anything far larger is no task file.
    constexpr qint64 HoechstensBytes = 1 << 20;
    const TDateiInhalt gelesen = DateiLesen(pfad, HoechstensBytes);
    switch (gelesen.ergebnis) {
    case LeseErgebnis::Ok:
        break;
    case LeseErgebnis::ZuGross:
        datei.fehler = QStringLiteral("Die Datei ist für eine Aufgabe zu groß (höchstens 1 MB).");
        return datei;
    case LeseErgebnis::KeineDatei:
        datei.fehler = QStringLiteral("Das ist keine gewöhnliche Datei.");
        return datei;
    default:
        datei.fehler = QStringLiteral("Die Datei kann nicht gelesen werden.");
        return datei;
    }
    datei.aufgabe = AufgabeLesen(gelesen.bytes, datei.id, datei.fehler);
    return datei;
}

std::vector<TAufgabenDatei> AufgabenLaden(const QStringList& ordner)
{
    std::map<QString, TAufgabenDatei> nachId;
    for (const QString& o : ordner) {
        const QDir d(o);
        for (const QFileInfo& f : d.entryInfoList({QStringLiteral("*.aufgabe")}, QDir::Files, QDir::Name)) {
            TAufgabenDatei datei = AufgabeLaden(f.absoluteFilePath());
            nachId[datei.id] = std::move(datei);
        }
    }
    std::vector<TAufgabenDatei> liste;
    for (auto& [id, datei] : nachId)
        liste.push_back(std::move(datei));
    return liste;
}

QStringList AufgabenOrdner(const QString& programmordner)
{
    const QDir programm(programmordner);
    QStringList eingebaut = {programm.filePath(QStringLiteral("examples/aufgaben")),
                             programm.filePath(QStringLiteral("../share/tarvik/examples/aufgaben")),
                             programm.filePath(QStringLiteral("../../share/tarvik/examples/aufgaben")),
                             programm.filePath(QStringLiteral("../examples/aufgaben")),
                             programm.filePath(QStringLiteral("../../examples/aufgaben"))};
    for (const QString& daten : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        eingebaut.append(QDir(daten).filePath(QStringLiteral("tarvik/examples/aufgaben")));
    QStringList ordner;
    for (const QString& o : eingebaut) {
        if (QFileInfo(o).isDir()) {
            ordner << QDir::cleanPath(QFileInfo(o).absoluteFilePath());
            break;
        }
    }
    ordner << QDir::cleanPath(programm.absoluteFilePath(QStringLiteral("aufgaben")));
    const QString eigene = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!eigene.isEmpty())
        ordner << QDir(eigene).filePath(QStringLiteral("tarvik/aufgaben"));
    return ordner;
}

QString AufgabenZahl(float wert)
{
    return GleitZahl(wert, 6);
}

QStringList Bedingungstexte(const TAufgabe& a)
{
    QStringList texte;
    QStringList starts;
    for (float s : a.starts)
        starts << AufgabenZahl(s) + (a.pendel ? QStringLiteral("°") : QStringLiteral(" m"));
    const QString startText = starts.size() > 1
                                  ? starts.mid(0, starts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") +
                                        starts.constLast()
                                  : starts.value(0);
    const QString jeLauf = starts.size() > 1 ? QStringLiteral(" (je ein Lauf)") : QString();
    texte << (a.pendel ? QStringLiteral("Invertiertes Pendel, Startwinkel %1%2").arg(startText, jeLauf)
                       : QStringLiteral("Laufkatze, Start bei %1%2").arg(startText, jeLauf)) +
                 QStringLiteral(", Länge %1 m%2; jeder Lauf dauert %3 s")
                     .arg(AufgabenZahl(a.laenge), a.wind ? QStringLiteral(", mit Wind") : QString(),
                          AufgabenZahl(a.dauer));
    for (const TBereich& b : a.bereiche) {
        QString t = Groessenname(b.groesse) + QLatin1Char(' ');
        const bool unten = std::isfinite(b.minimum);
        const bool oben = std::isfinite(b.maximum);
        if (unten && oben)
            t += QStringLiteral("zwischen %1 und %2").arg(einheitZahl(b.minimum, b.groesse), einheitZahl(b.maximum, b.groesse));
        else if (oben)
            t += QStringLiteral("höchstens ") + einheitZahl(b.maximum, b.groesse);
        else
            t += QStringLiteral("mindestens ") + einheitZahl(b.minimum, b.groesse);
        if (b.ab <= 0 && b.bis >= a.dauer)
            t += QStringLiteral(" während des ganzen Laufs");
        else
            t += QStringLiteral(" von %1 s bis %2 s").arg(AufgabenZahl(b.ab), AufgabenZahl(b.bis));
        texte << t;
    }
    if (a.gruenSpaetestens)
        texte << QStringLiteral("Die Lampe wird spätestens nach %1 s grün").arg(AufgabenZahl(*a.gruenSpaetestens));
    if (a.maxRegeln)
        texte << QStringLiteral("Höchstens %1 Regeln").arg(IntEditText(*a.maxRegeln));
    return texte;
}
