// Task files: the reader with its messages, the shipped tasks, the folders.
#include "plant/aufgabe.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString Beispielaufgaben = QStringLiteral(TARVIK_TESTDATA "/../../examples/aufgaben");

std::optional<TAufgabe> lesen(const QByteArray& text, QString* fehler = nullptr)
{
    QString f;
    auto a = AufgabeLesen(text, QStringLiteral("probe"), f);
    if (fehler)
        *fehler = f;
    return a;
}

TEST(AufgabeLesen, ReadsEveryFieldWithDefaultsCommasAndTextsInTheirOrder)
{
    QString fehler;
    const auto a = lesen("; Kommentar\n"
                         "[aufgabe]\n"
                         "titel = Probe \n"
                         "Text10=zehn\n"
                         "Text2=zwei\n"
                         "Anlage=laufkatze\n"
                         "Dauer=20,5\n"
                         "MaxRegeln=7\n"
                         "[Start]\n"
                         "Position=-3; 0,5 ;4\n"
                         "Laenge=2\n"
                         "Wind=ja\n"
                         "[Bereich Katze]\n"
                         "Groesse=Position\n"
                         "Maximum=6\n"
                         "[Bereich Seil]\n"
                         "Groesse=winkel\n"
                         "Minimum=-30\n"
                         "Maximum=30\n"
                         "Ab=2\n"
                         "Bis=10\n"
                         "[Lampe]\n",
                         &fehler);
    ASSERT_TRUE(a) << fehler.toStdString();
    EXPECT_EQ(a->id, QStringLiteral("probe"));
    EXPECT_EQ(a->titel, QStringLiteral("Probe"));
    EXPECT_EQ(a->text, (QStringList{QStringLiteral("zwei"), QStringLiteral("zehn")}));
    EXPECT_FALSE(a->pendel);
    EXPECT_FLOAT_EQ(a->dauer, 20.5f);
    EXPECT_EQ(a->maxRegeln, 7);
    EXPECT_EQ(a->starts, (std::vector<float>{-3, 0.5f, 4}));
    EXPECT_FLOAT_EQ(a->laenge, 2);
    EXPECT_TRUE(a->wind);
    ASSERT_EQ(a->bereiche.size(), 2u);
    const TBereich& katze = a->bereiche[0];
    EXPECT_EQ(katze.abschnitt, QStringLiteral("Bereich Katze"));
    EXPECT_EQ(katze.groesse, TMessgroesse::Position);
    EXPECT_TRUE(std::isinf(katze.minimum) && katze.minimum < 0);
    EXPECT_FLOAT_EQ(katze.maximum, 6);
    // Without Ab and Bis a range holds for the whole run.
    EXPECT_FLOAT_EQ(katze.ab, 0);
    EXPECT_FLOAT_EQ(katze.bis, 20.5f);
    EXPECT_EQ(a->bereiche[1].groesse, TMessgroesse::Winkel);
    EXPECT_FLOAT_EQ(a->bereiche[1].ab, 2);
    EXPECT_FLOAT_EQ(a->bereiche[1].bis, 10);
    // The lamp without Spaetestens: by the end of the run.
    EXPECT_EQ(a->gruenSpaetestens, 20.5f);

    // The start set-up of the simulation panel when [Start] says nothing.
    const auto pendel = lesen("[Aufgabe]\nTitel=P\nAnlage=Pendel\nDauer=5\n[Bereich]\nGroesse=Kraft\nMinimum=-1\n");
    ASSERT_TRUE(pendel);
    EXPECT_TRUE(pendel->pendel);
    EXPECT_EQ(pendel->starts, std::vector<float>{10});
    EXPECT_FLOAT_EQ(pendel->laenge, 2.5f);
    EXPECT_FALSE(pendel->wind);
    EXPECT_FALSE(pendel->gruenSpaetestens);
    EXPECT_FALSE(pendel->maxRegeln);
}

// A teacher's mistake is named with its line, in German.
TEST(AufgabeLesen, AMistakeIsReportedWithItsLine)
{
    const QByteArray kopf = "[Aufgabe]\nTitel=T\nAnlage=Pendel\nDauer=60\n"; // lines 1-4
    const QByteArray winkel = "[Bereich W]\nGroesse=Winkel\nMaximum=5\n";   // lines 5-7
    struct Fall {
        QByteArray text;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"Titel=T\n[Aufgabe]\n", "Zeile 1: Der Eintrag Titel steht vor dem ersten Abschnitt."},
        {kopf + "Dauer 60\n", "Zeile 5: „Dauer 60“ ist weder ein Abschnitt wie [Start] noch ein Eintrag wie Dauer=60."},
        {kopf + "[Ziel]\n", "Zeile 5: Unbekannter Abschnitt [Ziel]. Erlaubt sind [Aufgabe], [Start], [Lampe] und "
                            "Abschnitte, deren Name mit Bereich beginnt."},
        {kopf + winkel + "[bereich w]\n", "Zeile 8: Der Abschnitt [bereich w] steht schon in Zeile 5."},
        {kopf + winkel + "Maximun=5\n", "Zeile 8: Unbekannter Eintrag Maximun im Abschnitt [Bereich W]."},
        {kopf + winkel + "maximum=6\n", "Zeile 8: Der Eintrag maximum steht schon in Zeile 7."},
        {kopf + "[Bereich W]\nGroesse=Winkel\nMaximum=fünf\n", "Zeile 7: „fünf“ ist keine Zahl."},
        {kopf + "[Bereich W]\nGroesse=Weg\nMaximum=5\n",
         "Zeile 6: Unbekannte Größe „Weg“; erlaubt sind Position, Geschwindigkeit, Winkel, "
         "Winkelgeschwindigkeit und Kraft."},
        {kopf + "[Bereich W]\nGroesse=Winkel\n", "Zeile 5: Im Abschnitt [Bereich W] fehlt Minimum oder Maximum."},
        {kopf + "[Bereich W]\nMaximum=5\n", "Zeile 5: Im Abschnitt [Bereich W] fehlt der Eintrag Groesse."},
        {kopf + "[Bereich W]\nGroesse=Winkel\nMinimum=5\nMaximum=-5\n", "Zeile 7: Das Minimum ist größer als das Maximum."},
        {kopf + winkel + "Ab=30\nBis=20\n", "Zeile 8: Ab liegt nach Bis."},
        {kopf + winkel + "Bis=61\n", "Zeile 8: Die Zeit muss zwischen 0 s und der Dauer des Laufs (60 s) liegen."},
        {kopf + winkel + "[Lampe]\n", "Zeile 8: Die Lampe gibt es nur bei der Laufkatze."},
        {kopf + "[Start]\nPosition=0\n" + winkel,
         "Zeile 6: Eine Startposition gibt es nur bei der Laufkatze; das Pendel startet immer bei 1.5 m."},
        {kopf + "[Start]\nWinkel=10; x\n" + winkel,
         "Zeile 6: „x“ ist keine Zahl (mehrere Startwerte werden mit ; getrennt)."},
        {kopf + "[Start]\nWinkel=1;2;3;4;5;6;7;8;9;10;11\n", "Zeile 6: Höchstens 10 Startwerte sind erlaubt."},
        {kopf + "[Start]\nWind=vielleicht\n", "Zeile 6: Wind ist ja oder nein, nicht „vielleicht“."},
        {kopf + "[Start]\nLaenge=0\n", "Zeile 6: Die Länge muss größer als 0 m und höchstens 100 m sein."},
        {"[Aufgabe]\nTitel=T\nAnlage=Kran\nDauer=60\n", "Zeile 3: Die Anlage ist Pendel oder Laufkatze, nicht „Kran“."},
        {"[Aufgabe]\nTitel=T\nAnlage=Pendel\nDauer=0\n", "Zeile 4: Die Dauer muss größer als 0 s und höchstens 600 s sein."},
        {"[Aufgabe]\nTitel=T\nAnlage=Pendel\nDauer=60\nMaxRegeln=26\n",
         "Zeile 5: MaxRegeln muss eine ganze Zahl von 0 bis 25 sein."},
        {"[Aufgabe]\nTitel=T\nDauer=60\n", "Zeile 1: Im Abschnitt [Aufgabe] fehlt der Eintrag Anlage."},
        {"[Start]\nWinkel=3\n", "Der Abschnitt [Aufgabe] fehlt."},
        {"", "Der Abschnitt [Aufgabe] fehlt."},
        {kopf, "Die Aufgabe prüft nichts: Es fehlt ein Abschnitt [Bereich …] oder [Lampe]."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text.toStdString());
        QString fehler;
        EXPECT_FALSE(lesen(f.text, &fehler));
        EXPECT_EQ(fehler, QString::fromUtf8(f.meldung));
    }
}

// The tasks that ship with the examples say what their texts promise.
TEST(Aufgabendateien, TheShippedTasksReadAndCheckWhatTheySay)
{
    const std::vector<TAufgabenDatei> dateien = AufgabenLaden({Beispielaufgaben});
    QStringList ids;
    for (const TAufgabenDatei& d : dateien) {
        EXPECT_TRUE(d.aufgabe) << d.pfad.toStdString() << ": " << d.fehler.toStdString();
        ids << d.id;
    }
    ASSERT_EQ(ids, (QStringList{QStringLiteral("kran"), QStringLiteral("kran-ueberall"), QStringLiteral("pendel"),
                                QStringLiteral("pendel-sparsam"), QStringLiteral("pendel-wind")}));
    auto aufgabe = [&](int i) -> const TAufgabe& { return *dateien[static_cast<std::size_t>(i)].aufgabe; };
    EXPECT_EQ(Bedingungstexte(aufgabe(2)),
              (QStringList{QStringLiteral("Invertiertes Pendel, Startwinkel 10°, Länge 2.5 m; jeder Lauf dauert 60 s"),
                           QStringLiteral("Winkel zwischen -5° und 5° von 10 s bis 60 s"),
                           QStringLiteral("Position zwischen -6 m und 6 m während des ganzen Laufs")}));
    EXPECT_EQ(Bedingungstexte(aufgabe(4)),
              (QStringList{QStringLiteral("Invertiertes Pendel, Startwinkel 10°, Länge 2.5 m, mit Wind; jeder Lauf "
                                          "dauert 60 s"),
                           QStringLiteral("Winkel zwischen -5° und 5° von 10 s bis 60 s")}));
    EXPECT_EQ(Bedingungstexte(aufgabe(3)).mid(1),
              (QStringList{QStringLiteral("Winkel zwischen -5° und 5° von 10 s bis 60 s"),
                           QStringLiteral("Position zwischen -6 m und 6 m während des ganzen Laufs"),
                           QStringLiteral("Höchstens 9 Regeln")}));
    EXPECT_EQ(Bedingungstexte(aufgabe(0)),
              (QStringList{QStringLiteral("Laufkatze, Start bei -3 m, Länge 2.5 m; jeder Lauf dauert 15 s"),
                           QStringLiteral("Die Lampe wird spätestens nach 15 s grün")}));
    EXPECT_EQ(Bedingungstexte(aufgabe(1)),
              (QStringList{QStringLiteral("Laufkatze, Start bei -3 m, 0 m und 4 m (je ein Lauf), Länge 2.5 m; jeder "
                                          "Lauf dauert 20 s"),
                           QStringLiteral("Die Lampe wird spätestens nach 20 s grün")}));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(aufgabe(i).text.isEmpty()) << i;
}

TEST(Aufgabendateien, ALaterFolderReplacesATaskOfTheSameIdAndBadFilesStayListed)
{
    QTemporaryDir eins, zwei;
    const QByteArray gut = "[Aufgabe]\nTitel=%1\nAnlage=Laufkatze\nDauer=10\n[Lampe]\n";
    dateitest::schreiben(eins.filePath(QStringLiteral("kran.aufgabe")), QByteArray(gut).replace("%1", "eingebaut"));
    dateitest::schreiben(eins.filePath(QStringLiteral("b.aufgabe")), QByteArray(gut).replace("%1", "B"));
    dateitest::schreiben(eins.filePath(QStringLiteral("liesmich.txt")), "keine Aufgabe");
    dateitest::schreiben(zwei.filePath(QStringLiteral("kran.aufgabe")), QByteArray(gut).replace("%1", "eigene"));
    dateitest::schreiben(zwei.filePath(QStringLiteral("a b.aufgabe")), QByteArray(gut).replace("%1", "A"));
    dateitest::schreiben(zwei.filePath(QStringLiteral("kaputt.aufgabe")), "[Aufgabe]\nTitel=K\n");

    const auto liste = AufgabenLaden({eins.path(), QStringLiteral("/gibt/es/nicht"), zwei.path()});
    ASSERT_EQ(liste.size(), 4u);
    EXPECT_EQ(liste[0].id, QStringLiteral("a b"));
    EXPECT_FALSE(liste[0].aufgabe);
    EXPECT_EQ(liste[0].fehler, QStringLiteral("Der Dateiname taugt nicht als Kennung der Aufgabe: Erlaubt sind "
                                              "Buchstaben, Ziffern, - und _."));
    EXPECT_EQ(liste[1].aufgabe->titel, QStringLiteral("B"));
    EXPECT_EQ(liste[2].id, QStringLiteral("kaputt"));
    EXPECT_EQ(liste[2].fehler, QStringLiteral("Zeile 1: Im Abschnitt [Aufgabe] fehlt der Eintrag Anlage."));
    EXPECT_EQ(liste[3].aufgabe->titel, QStringLiteral("eigene"));
    EXPECT_EQ(liste[3].pfad, zwei.filePath(QStringLiteral("kran.aufgabe")));

    // A file far larger than any task is refused before it is read.
    QTemporaryDir drei;
    dateitest::schreiben(drei.filePath(QStringLiteral("riesig.aufgabe")),
                         QByteArray(gut).replace("%1", "R") + QByteArray(2 << 20, ';'));
    const TAufgabenDatei riesig = AufgabeLaden(drei.filePath(QStringLiteral("riesig.aufgabe")));
    EXPECT_FALSE(riesig.aufgabe);
    EXPECT_EQ(riesig.fehler, QStringLiteral("Die Datei ist für eine Aufgabe zu groß (höchstens 1 MB)."));
}

TEST(Aufgabenordner, BuiltInTasksFromBesideTheProgramInstalledOrTheSourceTreeThenTheTeachersAndTheUsers)
{
    QTemporaryDir d;
    auto anlegen = [&](const char* ordner) { ASSERT_TRUE(QDir(d.path()).mkpath(QString::fromUtf8(ordner))); };
    const QString eigene =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("tarvik/aufgaben"));
    // Installed: lib/tarvik/tarvik and share/tarvik/examples/aufgaben.
    anlegen("usr/share/tarvik/examples/aufgaben");
    anlegen("usr/lib/tarvik");
    EXPECT_EQ(AufgabenOrdner(d.filePath(QStringLiteral("usr/lib/tarvik"))),
              (QStringList{d.filePath(QStringLiteral("usr/share/tarvik/examples/aufgaben")),
                           d.filePath(QStringLiteral("usr/lib/tarvik/aufgaben")), eigene}));
    // A build folder inside the source tree: build/app/tarvik beside examples/.
    anlegen("quelle/examples/aufgaben");
    anlegen("quelle/build/app");
    EXPECT_EQ(AufgabenOrdner(d.filePath(QStringLiteral("quelle/build/app"))).first(),
              d.filePath(QStringLiteral("quelle/examples/aufgaben")));
    // A copy in a folder of its own comes first.
    anlegen("quelle/build/app/examples/aufgaben");
    EXPECT_EQ(AufgabenOrdner(d.filePath(QStringLiteral("quelle/build/app"))).first(),
              d.filePath(QStringLiteral("quelle/build/app/examples/aufgaben")));
}

TEST(Aufgabenzeit, RowsOfATimeWindowIncludeBothBoundsGivenInDecimals)
{
    struct Fall {
        float sekunden;
        int schritte, erste, letzte;
    };
    for (const Fall f : {Fall{0, 0, 0, 0}, Fall{10, 200, 200, 200}, Fall{0.35f, 7, 7, 7}, Fall{14.99f, 300, 300, 299},
                         Fall{60, 1200, 1200, 1200}}) {
        SCOPED_TRACE(f.sekunden);
        EXPECT_EQ(Schrittzahl(f.sekunden), f.schritte);
        EXPECT_EQ(ErsteZeile(f.sekunden), f.erste);
        EXPECT_EQ(LetzteZeile(f.sekunden), f.letzte);
    }
}

} // namespace
