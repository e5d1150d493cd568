#include "tests/cli/cli_lauf.h"
#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"
#include "tests/sonderdateien.h"

#include "core/projekt.h"
#include "search/gendatei.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using clitest::cli;
using clitest::Lauf;

const QString winkel = QStringLiteral(TARVIK_TESTDATA "/winkel.fuz");

TEST(TarvikCli, ShowListsVariablesTermsAndTheRulesThatCount)
{
    const Lauf l = cli({QStringLiteral("show"), winkel});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.fehler, QString());
    EXPECT_EQ(l.aus, QStringLiteral("Eingang A: Winkel  Grundmenge -30 .. 30  Terme: 2\n"
                                    "  1 negativ (NE): -30 -30 -10 0 1\n"
                                    "  2 positiv (PO): 0 10 30 30 1\n"
                                    "Eingang B: nicht definiert\n"
                                    "Ausgang: Kraft  Grundmenge -10 .. 10  Terme: 2\n"
                                    "  1 links (LI): -10 -10 -5 0 1\n"
                                    "  2 rechts (RE): 0 5 10 10 1\n"
                                    "Regeln:\n"
                                    "WENN Winkel=negativ, DANN Kraft=rechts\n"
                                    "WENN Winkel=positiv, DANN Kraft=links\n"));
}

TEST(TarvikCli, EvalPrintsMembershipsHeightsAndOutput)
{
    const Lauf l = cli({QStringLiteral("eval"), winkel, QStringLiteral("-5")});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    // A = -5: negativ 0.5, positiv 0; rule negativ -> rechts.
    EXPECT_EQ(l.aus, QStringLiteral("a: 0.5 0\nh: 0 0.5\ny: 6.11111116\n"));
}

TEST(TarvikCli, EvalWithInputBPrintsBothInputsAndCombinesTheRules)
{
    const QString kran = QStringLiteral(TARVIK_TESTDATA "/kran_eval.fuz");
    struct Fall {
        const char* xa;
        const char* xb;
        const char* aus;
    };
    // Worked by hand from this crane project's terms and rules; the centroid
    // weighs each clipped term's area: (1.125 * 0 + 3 * 5) / 4.125.
    const Fall faelle[] = {
        {"1.75", "-2.5", "a: 0 0.5 0.5 0\nb: 0 1 0 0\nh: 0 0.5 0.5 0\ny: 3.63636374\n"},
        {"2", "0", "a: 0 0 1 0\nb: 0 0.5 0.5 0\nh: 0 0.5 0 0\ny: 0\n"},
        {"-20", "-90", "a: 0 0 0 0\nb: 1 0 0 0\nh: 0 0 0 0\ny: -10\n"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = cli({QStringLiteral("eval"), kran, QString::fromLatin1(f.xa), QString::fromLatin1(f.xb)});
        EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
        EXPECT_EQ(l.aus, QString::fromLatin1(f.aus)) << f.xa << " " << f.xb;
    }
    // Values a float cannot hold are refused as the simulation refuses them.
    for (const QStringList& werte : {QStringList{QStringLiteral("1e39"), QStringLiteral("0")},
                                     QStringList{QStringLiteral("1"), QStringLiteral("-1e39")},
                                     QStringList{QStringLiteral("inf"), QStringLiteral("0")},
                                     QStringList{QStringLiteral("1"), QStringLiteral("nan")}}) {
        const Lauf l = cli(QStringList{QStringLiteral("eval"), kran} + werte);
        EXPECT_EQ(l.status, 2) << werte.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.startsWith(QStringLiteral("Keine gültige Zahl: "))) << l.fehler.toStdString();
        EXPECT_EQ(l.aus, QString());
    }
}

TEST(TarvikCli, EvalWithRulesPrintsEachRulesDegreeInTheTablesOrder)
{
    const Lauf l = cli({QStringLiteral("eval"), winkel, QStringLiteral("-5"), QStringLiteral("--rules")});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_EQ(l.aus, QStringLiteral("a: 0.5 0\nh: 0 0.5\ny: 6.11111116\nRegeln:\n"
                                    "0.5  WENN Winkel=negativ, DANN Kraft=rechts\n"
                                    "0  WENN Winkel=positiv, DANN Kraft=links\n"));

    // Two inputs: B's term outer, A's inner, as the table stores them.
    const QString pendel = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");
    const Lauf p = cli({QStringLiteral("eval"), QStringLiteral("--rules"), pendel, QStringLiteral("-20"),
                        QStringLiteral("-60")});
    ASSERT_EQ(p.status, 0) << p.fehler.toStdString();
    const QStringList zeilen = p.aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 4 + 1 + 25);
    EXPECT_EQ(zeilen[5], QStringLiteral("0.444444448  WENN Winkel=negativ groß UND Winkelgeschwindigkeit=negativ groß, "
                                        "DANN Kraft=negativ groß"));
    EXPECT_EQ(zeilen[6], QStringLiteral("0.666666687  WENN Winkel=negativ klein UND Winkelgeschwindigkeit=negativ groß, "
                                        "DANN Kraft=negativ groß"));
    EXPECT_TRUE(zeilen[7].startsWith(QStringLiteral("0  WENN Winkel=null UND")));
}

TEST(TarvikCli, SurfaceHasTwentyLinesOfTwentyValues)
{
    const Lauf l = cli({QStringLiteral("surface"), winkel});
    ASSERT_EQ(l.status, 0);
    const QStringList zeilen = l.aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 20);
    for (const QString& z : zeilen)
        EXPECT_EQ(z.split(QLatin1Char(' ')).size(), 20);
    // Without input B each line holds one value twenty times; A = -30 pushes right.
    EXPECT_EQ(zeilen[0], QStringList(20, QStringLiteral("6.11111116")).join(QLatin1Char(' ')));
}

TEST(TarvikCli, ErrorsGiveGermanMessagesAndExitStatus)
{
    QTemporaryDir dir;
    const QString kaputt = dir.filePath(QStringLiteral("kaputt.fuz"));
    dateitest::schreiben(kaputt, "Winkel\r\nzwei\r\n");
    const QString leer = dir.filePath(QStringLiteral("leer.fuz"));
    dateitest::schreiben(leer, QByteArray("\r\n\r\n\r\n") + QByteArray("0\r\n").repeated(25));
    struct Fall {
        QStringList argumente;
        int status;
        QString meldung;
    };
    const Fall faelle[] = {
        {{QStringLiteral("show"), dir.filePath(QStringLiteral("fehlt.fuz"))}, 1,
         QStringLiteral("Daten konnten nicht gelesen werden!")},
        {{QStringLiteral("eval"), kaputt, QStringLiteral("1")}, 1,
         QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten.")},
        {{QStringLiteral("surface"), leer}, 1, QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!")},
        {{}, 2, QStringLiteral("Aufruf: tarvik-cli")},
        {{QStringLiteral("zeige")}, 2, QStringLiteral("Unbekannter Befehl: zeige")},
        {{QStringLiteral("show")}, 2, QStringLiteral("Es fehlt die Projektdatei.")},
        {{QStringLiteral("eval"), winkel}, 2, QStringLiteral("Aufruf: tarvik-cli")},
        {{QStringLiteral("eval"), winkel, QStringLiteral("x1")}, 2, QStringLiteral("Keine gültige Zahl: x1")},
        {{QStringLiteral("eval"), winkel, QStringLiteral("1"), QStringLiteral("2")}, 2,
         QStringLiteral("Eingang B ist nicht definiert")},
    };
    for (const Fall& f : faelle) {
        const Lauf l = cli(f.argumente);
        EXPECT_EQ(l.status, f.status) << f.argumente.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(l.fehler.contains(f.meldung)) << l.fehler.toStdString();
        EXPECT_EQ(l.aus, QString());
    }
    const Lauf hilfe = cli({QStringLiteral("--help")});
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_TRUE(hilfe.aus.startsWith(QStringLiteral("Aufruf: tarvik-cli")));
}

// A device, a pipe and a file far too large for a project or a chromosome list
// end the command at once with the reader's message; nothing is written.
TEST(TarvikCli, FilesThatCannotBeAProjectOrAListAreRefusedUnread)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    const QString gross = dir.filePath(QStringLiteral("gross"));
    sonderdatei::pipe(pipe);
    sonderdatei::gross(gross, MaxGendateiGroesse + 1);
    const auto suche = [&](const QString& liste) {
        return QStringList{QStringLiteral("search"), QStringLiteral(TARVIK_TESTDATA "/../../examples/kran.fuz"),
                           QStringLiteral("--generations"), QStringLiteral("1"), QStringLiteral("--seed"),
                           QStringLiteral("1"), QStringLiteral("--out"), dir.filePath(QStringLiteral("aus.gen")),
                           QStringLiteral("--list"), liste};
    };
    const QString nichtGelesen = QStringLiteral("Daten konnten nicht gelesen werden!\n„%1“ ");
    const QString keineDatei =
        QStringLiteral("ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.\n");
    const QString genNichtGelesen = QStringLiteral("Die Gen-Datei konnte nicht gelesen werden:\n%1\n");
    const QString genKeineDatei =
        QStringLiteral("Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.\n");
    struct Fall {
        QStringList argumente;
        QString fehler;
    };
    const Fall faelle[] = {
        {{QStringLiteral("show"), QStringLiteral("/dev/zero")},
         nichtGelesen.arg(QStringLiteral("/dev/zero")) + keineDatei},
        {{QStringLiteral("eval"), pipe, QStringLiteral("1")}, nichtGelesen.arg(pipe) + keineDatei},
        {{QStringLiteral("surface"), gross},
         nichtGelesen.arg(gross) + QStringLiteral("ist größer als 4 MB und damit keine Fuzzy-Datei.\n")},
        {suche(QStringLiteral("/dev/zero")), genNichtGelesen.arg(QStringLiteral("/dev/zero")) + genKeineDatei},
        {suche(pipe), genNichtGelesen.arg(pipe) + genKeineDatei},
        {suche(gross), genNichtGelesen.arg(gross)
                           + QStringLiteral("Die Datei ist größer als 16 MB und damit keine Chromosomenliste.\n")},
    };
    for (const Fall& f : faelle) {
        const Lauf l = cli(f.argumente);
        EXPECT_EQ(l.status, 1) << f.argumente.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(l.fehler, f.fehler);
        EXPECT_EQ(l.aus, QString());
    }
    EXPECT_EQ(sonderdatei::inhalt(dir.path()), (QStringList{QStringLiteral("gross"), QStringLiteral("pipe")}));
}

TEST(TarvikCli, DecimalCommaIsAcceptedInNumbers)
{
    EXPECT_EQ(cli({QStringLiteral("eval"), winkel, QStringLiteral("-2,5")}).aus,
              cli({QStringLiteral("eval"), winkel, QStringLiteral("-2.5")}).aus);
}

} // namespace
