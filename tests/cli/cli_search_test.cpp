#include "core/projekt.h"
#include "core/zahlenformat.h"
#include "search/regelsystem.h"
#include "search/suchtexte.h"
#include "tests/cli/cli_lauf.h"
#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using clitest::cli;
using clitest::Lauf;

using dateitest::lesen;
using dateitest::schreiben;

// Message texts as the tool prints them: "\r" becomes a line break.
QString gedruckt(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t + QLatin1Char('\n');
}

const QString kran = QStringLiteral(TARVIK_TESTDATA "/../../examples/kran.fuz");
const QString kranGen = QStringLiteral(TARVIK_TESTDATA "/../../examples/kran.gen");
const QString kran3 = QStringLiteral(TARVIK_TESTDATA "/kran3.fuz");
const QString winkel = QStringLiteral(TARVIK_TESTDATA "/winkel.fuz");

// Every rule concludes "null" and every place has a rule: the cart stays put.
QString stillstand()
{
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 % 2 + 2, 2};
    return ChromosomText(rs);
}

TEST(TarvikCliSuche, RulesPrintsTheSixteenRulesInOrder)
{
    const QString chromosom = QStringLiteral("000111") + QString(84, QLatin1Char('0')) + QStringLiteral("111111");
    const Lauf l = cli({QStringLiteral("rules"), kran, chromosom});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.fehler, QString());
    const QStringList zeilen = l.aus.split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 17);
    EXPECT_EQ(zeilen[0], QStringLiteral("WENN Position=weit links UND Winkel=links, DANN Kraft=stark rechts"));
    EXPECT_EQ(zeilen[1], QStringLiteral("WENN Position=weit links UND Winkel=stark links, DANN Kraft=links"));
    EXPECT_EQ(zeilen[15], QStringLiteral("WENN Position=rechts UND Winkel=stark rechts, DANN Kraft=stark rechts"));
    EXPECT_EQ(zeilen[16], QString());
}

// --out writes the project with the rules in its table, one per premise, and
// names on stderr the rules that did not fit; show reads the table back.
TEST(TarvikCliSuche, RulesOutWritesTheProjectWithTheRulesInItsTable)
{
    QTemporaryDir dir;
    const QString neu = dir.filePath(QStringLiteral("neu.fuz"));
    // Rule k: A term k % 4 + 1, B term k / 4 % 2 + 2 (links or rechts), Kraft
    // null; rule 9 (k = 8) repeats rule 1's premise with "stark rechts", rule
    // 16 (k = 15) repeats rule 8's premise with its conclusion.
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 % 2 + 2, 2};
    rs[8].Ausgang = 4;
    const QString chromosom = ChromosomText(rs);
    const Lauf l = cli({QStringLiteral("rules"), kran, chromosom, QStringLiteral("--out"), neu});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.aus, cli({QStringLiteral("rules"), kran, chromosom}).aus);
    EXPECT_EQ(l.fehler, QStringLiteral("Regel 9 (WENN Position=weit links UND Winkel=links, DANN Kraft=stark rechts) "
                                       "passt nicht; übernommen ist Regel 1 (WENN Position=weit links UND "
                                       "Winkel=links, DANN Kraft=null).\n"));

    // The written project is the old one with only the table replaced.
    const QString alt = cli({QStringLiteral("show"), kran}).aus;
    const QString gezeigt = cli({QStringLiteral("show"), neu}).aus;
    const qsizetype ab = alt.indexOf(QStringLiteral("Regeln:"));
    ASSERT_GT(ab, 0);
    EXPECT_EQ(gezeigt.left(gezeigt.indexOf(QStringLiteral("Regeln:"))), alt.left(ab));
    TProjekt p;
    p.Dateiname = neu;
    ASSERT_FALSE(LoadFile(p).meldung);
    TRegeltab erwartet;
    for (int a = 1; a <= 4; ++a) {
        erwartet(2, a) = 2;
        erwartet(3, a) = 2;
    }
    EXPECT_EQ(p.Regeltab, erwartet);
}

TEST(TarvikCliSuche, RulesOutRefusesWhatItCannotWrite)
{
    QTemporaryDir dir;
    const QString gut = stillstand();
    const QString ohneOrdner = dir.filePath(QStringLiteral("fehlt/neu.fuz"));
    struct Fall {
        QStringList argumente;
        int status;
        QString fehler;
    };
    const Fall faelle[] = {
        {{kran, gut, QStringLiteral("--out")}, 2, QStringLiteral("Der Option --out fehlt ihr Wert.\n")},
        {{kran, gut, QStringLiteral("--out"), QString()}, 2, QStringLiteral("Der Option --out fehlt ihr Wert.\n")},
        {{kran, gut, QStringLiteral("--out"), ohneOrdner, QStringLiteral("--out"), ohneOrdner}, 2,
         QStringLiteral("Die Option --out ist doppelt angegeben.\n")},
        {{kran, gut, QStringLiteral("--aus"), ohneOrdner}, 2, QStringLiteral("Unbekannte Option: --aus\n")},
        {{kran3, gut, QStringLiteral("--out"), ohneOrdner}, 1, gedruckt(SuchTexte::termanzahlFalsch)},
        {{kran, gut, QStringLiteral("--out"), ohneOrdner}, 1, QStringLiteral("Daten konnten nicht gespeichert werden!")},
    };
    for (const Fall& f : faelle) {
        const Lauf l = cli(QStringList{QStringLiteral("rules")} + f.argumente);
        EXPECT_EQ(l.status, f.status) << f.argumente.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.startsWith(f.fehler)) << l.fehler.toStdString();
        EXPECT_FALSE(QFileInfo::exists(ohneOrdner));
    }
}

TEST(TarvikCliSuche, GradePrintsTheTenRunsAndTheChrNote)
{
    const Lauf l = cli({QStringLiteral("grade"), kran, stillstand()});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.fehler, QString());
    // 30 |start - 2| plus the time of 601 steps; start 2 reaches the target at once.
    EXPECT_EQ(l.aus, QStringLiteral("run 1 start -3 steps 601 note 180.049835 reached no\n"
                                    "run 2 start -2 steps 601 note 150.049835 reached no\n"
                                    "run 3 start -1 steps 601 note 120.049828 reached no\n"
                                    "run 4 start 0 steps 601 note 90.0498276 reached no\n"
                                    "run 5 start 1 steps 601 note 60.0498276 reached no\n"
                                    "run 6 start 1.5 steps 601 note 45.0498276 reached no\n"
                                    "run 7 start 2 steps 20 note 1.00000012 reached yes\n"
                                    "run 8 start 2.5 steps 601 note 45.0498276 reached no\n"
                                    "run 9 start 3 steps 601 note 60.0498276 reached no\n"
                                    "run 10 start 4 steps 601 note 90.0498276 reached no\n"
                                    "ChrNote: 841.448364\n"));
}

// The list that ships shows what the search can do: its best chromosome
// brings the load to the target from all ten starts.
TEST(TarvikCliSuche, ShippedListsBestChromosomeReachesTheTargetFromEveryStart)
{
    const QStringList zeilen = QString::fromLatin1(lesen(kranGen)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 20);
    QString besteAusgabe;
    float beste = 1e30f;
    for (const QString& zeile : zeilen) {
        const Lauf l = cli({QStringLiteral("grade"), kran, zeile});
        ASSERT_EQ(l.status, 0);
        const QString note = l.aus.section(QStringLiteral("ChrNote: "), 1).trimmed();
        if (LiesReal(note).value_or(1e30f) < beste) {
            beste = *LiesReal(note);
            besteAusgabe = l.aus;
        }
    }
    EXPECT_EQ(besteAusgabe.count(QStringLiteral(" reached yes\n")), 10) << besteAusgabe.toStdString();
}

TEST(TarvikCliSuche, RulesAndGradeRefuseWhatTheSearchCannotUse)
{
    const QString gut = stillstand();
    struct Fall {
        QStringList argumente;
        int status;
        QString fehler; // the start of stderr
    };
    const Fall faelle[] = {
        // A wrong chromosome is a wrong argument, named with what a chromosome is.
        {{kran, gut.left(95)}, 2,
         QStringLiteral("Kein gültiges Chromosom: \"") + gut.left(95)
             + QStringLiteral("\" (95 Zeichen).\nEin Chromosom besteht aus genau 96 Ziffern 0 und 1.\n")},
        {{kran, gut.left(95) + QLatin1Char('2')}, 2, QStringLiteral("Kein gültiges Chromosom: ")},
        {{kran, gut + QLatin1Char('0')}, 2, QStringLiteral("Kein gültiges Chromosom: ")},
        {{kran, QString()}, 2, QStringLiteral("Kein gültiges Chromosom: \"\" (0 Zeichen).")},
        {{kran, QString(500, QLatin1Char('1'))}, 2,
         QStringLiteral("Kein gültiges Chromosom: \"") + QString(120, QLatin1Char('1')) + QStringLiteral("…\" (500 Zeichen).")},
        {{kran3, gut.left(10)}, 2, QStringLiteral("Kein gültiges Chromosom: ")},
        {{QStringLiteral("fehlt.fuz"), QStringLiteral("x")}, 2, QStringLiteral("Kein gültiges Chromosom: ")},
        {{kran3, gut}, 1, gedruckt(SuchTexte::termanzahlFalsch)},
        {{winkel, gut}, 1, gedruckt(SuchTexte::suchvariablenFehlen)},
        {{QStringLiteral("fehlt.fuz"), gut}, 1, QStringLiteral("Daten konnten nicht gelesen werden!\n")},
        {{kran}, 2, QStringLiteral("Es fehlen die Projektdatei oder das Chromosom.\n")},
        {{kran, gut, gut}, 2, QStringLiteral("Zu viele Argumente.\n")},
    };
    for (const QString& befehl : {QStringLiteral("rules"), QStringLiteral("grade")}) {
        for (const Fall& f : faelle) {
            const Lauf l = cli(QStringList{befehl} + f.argumente);
            EXPECT_EQ(l.status, f.status) << befehl.toStdString() << " " << f.argumente.join(' ').toStdString();
            EXPECT_TRUE(l.fehler.startsWith(f.fehler)) << l.fehler.toStdString();
            if (f.status == 2) {
                EXPECT_TRUE(l.fehler.contains(QStringLiteral("Aufruf: tarvik-cli"))) << l.fehler.toStdString();
            }
            EXPECT_EQ(l.aus, QString());
        }
    }
}

TEST(TarvikCliSuche, SearchIsTheSameOnOneAndOnSeveralThreads)
{
    QTemporaryDir dir;
    QByteArray listen[2];
    QByteArray protokolle[2];
    QString ausgaben[2];
    const char* threads[2] = {"1", "3"};
    for (int t = 0; t < 2; ++t) {
        const QString aus = dir.filePath(QStringLiteral("aus%1.gen").arg(t));
        const QString log = dir.filePath(QStringLiteral("log%1.txt").arg(t));
        const Lauf l = cli({QStringLiteral("search"), kran, QStringLiteral("--generations"), QStringLiteral("3"),
                            QStringLiteral("--out"), aus, QStringLiteral("--seed"), QStringLiteral("42"),
                            QStringLiteral("--threads"), QString::fromLatin1(threads[t]), QStringLiteral("--log"),
                            log});
        EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
        ausgaben[t] = l.aus;
        const QStringList fortschritt = l.fehler.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(fortschritt.size(), 3);
        EXPECT_TRUE(fortschritt[2].startsWith(QStringLiteral("Generation: 3  GenNote: "))) << fortschritt[2].toStdString();
        listen[t] = lesen(aus);
        protokolle[t] = lesen(log);
    }
    EXPECT_EQ(listen[1], listen[0]);
    EXPECT_EQ(protokolle[1], protokolle[0]);
    EXPECT_EQ(ausgaben[1], ausgaben[0]);
    EXPECT_EQ(listen[0].size(), 20 * 98);
    EXPECT_EQ(listen[0].count("\r\n"), 20);
    EXPECT_TRUE(protokolle[0].startsWith("Generation: 1\r\n-------------------------------------\r\n \r\n"
                                         "1. Chromosom: "));
    EXPECT_EQ(protokolle[0].count("\r\n"), 3 * 27);
    EXPECT_TRUE(protokolle[0].endsWith("\r\n \r\n \r\n"));
}

// The search ends with its result on stdout, in the form rules and grade take.
TEST(TarvikCliSuche, SearchPrintsTheBestChromosomeOfTheLastGenerationForGrade)
{
    QTemporaryDir dir;
    const QString aus = dir.filePath(QStringLiteral("aus.gen"));
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    const Lauf l = cli({QStringLiteral("search"), kran, QStringLiteral("--generations"), QStringLiteral("2"),
                        QStringLiteral("--out"), aus, QStringLiteral("--seed"), QStringLiteral("3"),
                        QStringLiteral("--count"), QStringLiteral("6"), QStringLiteral("--log"), log});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    const QStringList zeilen = l.aus.split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 3) << l.aus.toStdString();
    const QString chromosom = zeilen[0];
    EXPECT_TRUE(ChromosomGueltig(chromosom)) << chromosom.toStdString();
    EXPECT_TRUE(zeilen[1].startsWith(QStringLiteral("ChrNote: ")));
    EXPECT_EQ(zeilen[2], QString());
    // Its grade is the lowest of the last generation's log and the one grade finds.
    const Lauf note = cli({QStringLiteral("grade"), kran, chromosom});
    ASSERT_EQ(note.status, 0);
    EXPECT_TRUE(note.aus.endsWith(zeilen[1] + QLatin1Char('\n'))) << note.aus.toStdString();
    const QList<QByteArray> protokoll = lesen(log).split('\n');
    float kleinste = 1e30f;
    for (qsizetype i = protokoll.size() / 2; i < protokoll.size(); ++i) {
        if (protokoll[i].contains(". Chromosom: "))
            kleinste = std::min(kleinste, protokoll[i].split(':').last().trimmed().toFloat());
    }
    EXPECT_NEAR(zeilen[1].mid(9).toDouble(), kleinste, 0.006);
    EXPECT_TRUE(l.fehler.contains(QStringLiteral("beste ChrNote: ") + zeilen[1].mid(9)));
}

TEST(TarvikCliSuche, SearchGoesOnFromAListFile)
{
    QTemporaryDir dir;
    const QString aus = dir.filePath(QStringLiteral("aus.gen"));
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    const Lauf l = cli({QStringLiteral("search"), kran, QStringLiteral("--generations"), QStringLiteral("2"),
                        QStringLiteral("--out"), aus, QStringLiteral("--list"), kranGen, QStringLiteral("--count"),
                        QStringLiteral("4"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--log"),
                        log, QStringLiteral("--crossover"), QStringLiteral("1"), QStringLiteral("--mutation"),
                        QStringLiteral("0,5")});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_EQ(lesen(aus).size(), 4 * 98);
    EXPECT_EQ(lesen(log).count("\r\n"), 2 * (4 + 7));
    EXPECT_EQ(lesen(kranGen).size(), 20 * 98);
}

TEST(TarvikCliSuche, SearchArgumentsAndFilesThatAreRefused)
{
    QTemporaryDir dir;
    const QString aus = dir.filePath(QStringLiteral("aus.gen"));
    const QString einzeilig = dir.filePath(QStringLiteral("eins.gen"));
    schreiben(einzeilig, stillstand().toLatin1() + "\r\n");
    const QStringList basis = {QStringLiteral("search"), kran, QStringLiteral("--out"), aus};
    const QStringList g1 = {QStringLiteral("--generations"), QStringLiteral("1")};
    const QString ohneOrdner = dir.filePath(QStringLiteral("fehlt/aus.gen"));
    struct Fall {
        QStringList argumente;
        int status;
        QString fehler;
    };
    const Fall faelle[] = {
        {basis, 2, QStringLiteral("Es fehlt die Option --generations.")},
        {{QStringLiteral("search"), kran, g1[0], g1[1]}, 2, QStringLiteral("Es fehlt die Option --out.")},
        {basis + QStringList{g1[0], QStringLiteral("0")}, 2, QStringLiteral("Die Anzahl der Generationen")},
        {basis + g1 + QStringList{QStringLiteral("--count"), QStringLiteral("41")}, 2,
         QStringLiteral("Die Anzahl der Chromosomen muss eine gerade Zahl zwischen 2 und 40 sein: 41")},
        {basis + g1 + QStringList{QStringLiteral("--count"), QStringLiteral("1")}, 2,
         QStringLiteral("Die Anzahl der Chromosomen muss eine gerade Zahl zwischen 2 und 40 sein: 1")},
        {basis + g1 + QStringList{QStringLiteral("--count"), QStringLiteral("3")}, 2,
         QStringLiteral("Die Anzahl der Chromosomen muss eine gerade Zahl zwischen 2 und 40 sein: 3")},
        {basis + g1 + QStringList{QStringLiteral("--count"), QStringLiteral("0")}, 2,
         QStringLiteral("Die Anzahl der Chromosomen muss eine gerade Zahl zwischen 2 und 40 sein: 0")},
        {basis + g1 + QStringList{QStringLiteral("--crossover"), QStringLiteral("1.5")}, 2,
         QStringLiteral("Die Kreuzungsrate")},
        {basis + g1 + QStringList{QStringLiteral("--mutation"), QStringLiteral("0")}, 2,
         QStringLiteral("Die Mutationsrate")},
        {basis + g1 + QStringList{QStringLiteral("--threads"), QStringLiteral("0")}, 2,
         QStringLiteral("Die Anzahl der Threads")},
        {basis + g1 + QStringList{QStringLiteral("--seed"), QStringLiteral("-1")}, 2,
         QStringLiteral("Der Startwert")},
        {basis + g1 + QStringList{QStringLiteral("--tempo")}, 2, QStringLiteral("Unbekannte Option: --tempo")},
        {basis + g1 + QStringList{QStringLiteral("--seed")}, 2, QStringLiteral("Der Option --seed fehlt ihr Wert.")},
        {basis + g1 + g1, 2, QStringLiteral("Die Option --generations ist doppelt angegeben.")},
        {basis + g1 + QStringList{QStringLiteral("--list"), dir.filePath(QStringLiteral("fehlt.gen"))}, 1,
         SuchTexte::genNichtGelesen.left(20)},
        {basis + g1 + QStringList{QStringLiteral("--list"), einzeilig}, 1,
         gedruckt(SuchTexte::minimal2) + gedruckt(SuchTexte::listeFalsch)},
        {{QStringLiteral("search"), kran3, QStringLiteral("--out"), aus, g1[0], g1[1]}, 1,
         gedruckt(SuchTexte::termanzahlFalsch)},
        // Files that cannot be written are found before the search, not after it.
        {{QStringLiteral("search"), kran, QStringLiteral("--out"), ohneOrdner, g1[0], g1[1]}, 1,
         gedruckt(SuchTexte::genNichtGespeichert + QDir::toNativeSeparators(ohneOrdner))},
        {{QStringLiteral("search"), kran, QStringLiteral("--out"), dir.path(), g1[0], g1[1]}, 1,
         gedruckt(SuchTexte::genNichtGespeichert + QDir::toNativeSeparators(dir.path()))},
        {basis + g1 + QStringList{QStringLiteral("--log"), dir.filePath(QStringLiteral("fehlt/log.txt"))}, 1,
         QStringLiteral("Das Protokoll konnte nicht gespeichert werden:\n")},
    };
    for (const Fall& f : faelle) {
        const Lauf l = cli(f.argumente);
        const std::string fall = f.argumente.mid(4).join(' ').toStdString();
        EXPECT_EQ(l.status, f.status) << fall;
        EXPECT_TRUE(l.fehler.startsWith(f.fehler) || l.fehler.contains(QLatin1Char('\n') + f.fehler))
            << fall << "\n" << l.fehler.toStdString();
        EXPECT_FALSE(QFile::exists(aus)) << fall;
        EXPECT_FALSE(l.fehler.contains(QStringLiteral("Generation: "))) << fall;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("eins.gen")});
}

} // namespace

namespace {

// --progress: one CSV line per generation with the numbers of the log.
TEST(TarvikCliSuche, ProgressWritesTheCurveOfTheSearch)
{
    QTemporaryDir dir;
    const QString aus = dir.filePath(QStringLiteral("aus.gen"));
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    const QString verlauf = dir.filePath(QStringLiteral("verlauf.csv"));
    const Lauf l = cli({QStringLiteral("search"), kran, QStringLiteral("--generations"), QStringLiteral("3"),
                        QStringLiteral("--out"), aus, QStringLiteral("--seed"), QStringLiteral("7"),
                        QStringLiteral("--threads"), QStringLiteral("1"), QStringLiteral("--log"), log,
                        QStringLiteral("--progress"), verlauf});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    const QStringList zeilen = QString::fromLatin1(lesen(verlauf)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_EQ(zeilen[0], QStringLiteral("generation,beste_chrnote,gennote"));
    const QStringList protokoll = QString::fromLatin1(lesen(log)).split(QStringLiteral("\r\n"));
    QStringList durchschnitte;
    QList<double> besten;
    double beste = 0;
    for (const QString& z : protokoll) {
        if (z.startsWith(QStringLiteral("Generation: ")))
            beste = 1e30;
        else if (z.contains(QStringLiteral(". Chromosom: ")))
            beste = std::min(beste, z.section(QLatin1Char(':'), 1).trimmed().toDouble());
        else if (z.startsWith(QStringLiteral("Durchschnittsnote: "))) {
            durchschnitte.append(z.section(QLatin1Char(':'), 1).trimmed());
            besten.append(beste);
        }
    }
    ASSERT_EQ(durchschnitte.size(), 3);
    for (int g = 1; g <= 3; ++g) {
        const QStringList spalten = zeilen[g].split(QLatin1Char(','));
        ASSERT_EQ(spalten.size(), 3);
        EXPECT_EQ(spalten[0], QString::number(g));
        EXPECT_EQ(ProtokollZahl(spalten[2].toDouble()).trimmed(), durchschnitte[g - 1]);
        EXPECT_EQ(ProtokollZahl(spalten[1].toDouble()).trimmed().toDouble(), besten[g - 1]);
    }

    const Lauf falsch = cli({QStringLiteral("search"), kran, QStringLiteral("--generations"), QStringLiteral("1"),
                             QStringLiteral("--out"), aus, QStringLiteral("--progress"),
                             dir.filePath(QStringLiteral("fehlt/verlauf.csv"))});
    EXPECT_EQ(falsch.status, 1);
    EXPECT_TRUE(falsch.fehler.startsWith(QStringLiteral("Der Verlauf konnte nicht gespeichert werden:")))
        << falsch.fehler.toStdString();
}

} // namespace
