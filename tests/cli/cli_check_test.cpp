// tarvik-cli check: a class's files against the tasks, the list of tasks,
// the CSV form, wrong calls, and the crane task against simulate.
#include "cli/werkzeug.h"
#include "core/projekt.h"
#include "plant/aufgabe.h"
#include "plant/aufgabenpruefung.h"

#include "tests/cli/cli_lauf.h"
#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using clitest::Lauf;

const QString Beispiele = QStringLiteral(TARVIK_TESTDATA "/../../examples/");
const QString Aufgaben = Beispiele + QStringLiteral("aufgaben");
const QString Pendel = Beispiele + QStringLiteral("pendel.fuz");
const QString Kran = Beispiele + QStringLiteral("kran.fuz");

Lauf check(QStringList argumente)
{
    argumente.prepend(QStringLiteral("check"));
    return clitest::cli(argumente);
}

QStringList zeilen(const QString& text)
{
    QStringList z = text.split(QLatin1Char('\n'));
    EXPECT_EQ(z.takeLast(), QString());
    return z;
}

struct Klasse : testing::Test {
    QTemporaryDir ordner;
    QString kaputt = ordner.filePath(QStringLiteral("kaputt.fuz"));
    Klasse() { dateitest::schreiben(kaputt, "das ist keine Fuzzy-Datei\r\n"); }
};

TEST_F(Klasse, ABatchPrintsOneLinePerFileAndTaskAndFailsWhenOneFailed)
{
    const Lauf l = check({Kran, Pendel, kaputt, QStringLiteral("--task"), QStringLiteral("kran"),
                          QStringLiteral("--tasks"), Aufgaben});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.fehler, QString());
    EXPECT_EQ(zeilen(l.aus),
              (QStringList{Kran + QStringLiteral(" kran bestanden (grün nach 7.25 s)"),
                           Pendel + QStringLiteral(" kran nicht bestanden (nicht grün bis 15 s)"),
                           kaputt + QStringLiteral(" kran nicht bestanden (Beim Öffnen der Datei ist ein Fehler "
                                                   "aufgetreten. Prüfen Sie nach, ob es sich um eine Fuzzy-Datei "
                                                   "handelt!)")}));

    // All passed: status 0.
    const Lauf gut = check({Kran, QStringLiteral("--task"), QStringLiteral("kran-ueberall"), QStringLiteral("--tasks"),
                            Aufgaben});
    EXPECT_EQ(gut.status, 0);
    EXPECT_EQ(gut.aus, Kran + QStringLiteral(" kran-ueberall bestanden (grün nach 8.85 s, Start bei 0 m)\n"));
}

TEST_F(Klasse, WithoutATaskEveryTaskIsCheckedAndTheCsvQuotesFiguresWithACommaOrQuote)
{
    const Lauf l = check({Pendel, kaputt, QStringLiteral("--csv"), QStringLiteral("--tasks"), Aufgaben});
    EXPECT_EQ(l.status, 1);
    const QStringList z = zeilen(l.aus);
    ASSERT_EQ(z.size(), 11);
    EXPECT_EQ(z[0], QStringLiteral("datei,aufgabe,ergebnis,messwert"));
    EXPECT_EQ(z[1], Pendel + QStringLiteral(",kran,nicht bestanden,nicht grün bis 15 s"));
    EXPECT_EQ(z[2], Pendel + QStringLiteral(",kran-ueberall,nicht bestanden,\"nicht grün bis 20 s, Start bei -3 m\""));
    EXPECT_EQ(z[3], Pendel + QStringLiteral(",pendel,bestanden,Winkel zwischen 0.00° und 0.00°"));
    EXPECT_EQ(z[4], Pendel + QStringLiteral(",pendel-sparsam,nicht bestanden,\"25 Regeln, erlaubt sind höchstens 9\""));
    EXPECT_EQ(z[5], Pendel + QStringLiteral(",pendel-wind,bestanden,Winkel zwischen -2.58° und -2.58°"));
    EXPECT_TRUE(z[6].startsWith(kaputt + QStringLiteral(",kran,nicht bestanden,\"Beim Öffnen"))) << z[6].toStdString();

    // A file name with a comma or a quote stays one field.
    const QString komisch = ordner.filePath(QStringLiteral("a,\"b\".fuz"));
    ASSERT_TRUE(QFile::copy(Kran, komisch));
    const Lauf k = check({komisch, QStringLiteral("--csv"), QStringLiteral("--task"), QStringLiteral("kran"),
                          QStringLiteral("--tasks"), Aufgaben});
    EXPECT_EQ(zeilen(k.aus).value(1), QLatin1Char('"') + ordner.filePath(QStringLiteral("a,\"\"b\"\".fuz")) +
                                          QStringLiteral("\",kran,bestanden,grün nach 7.25 s"));
}

TEST(Check, ListsTheTasksWithIdAndTitle)
{
    const Lauf l = check({QStringLiteral("--list"), QStringLiteral("--tasks"), Aufgaben});
    EXPECT_EQ(l.status, 0);
    const QStringList z = zeilen(l.aus);
    ASSERT_EQ(z.size(), 5);
    EXPECT_EQ(z[0], QStringLiteral("kran            Die Last der Laufkatze ins Ziel bringen"));
    EXPECT_EQ(z[3], QStringLiteral("pendel-sparsam  Das Pendel mit höchstens 9 Regeln halten"));
    const Lauf csv = check({QStringLiteral("--list"), QStringLiteral("--csv"), QStringLiteral("--tasks"), Aufgaben});
    EXPECT_EQ(zeilen(csv.aus).mid(0, 2),
              (QStringList{QStringLiteral("aufgabe,titel"), QStringLiteral("kran,Die Last der Laufkatze ins Ziel bringen")}));
}

// A task file a teacher got wrong is named on stderr with its line; the
// others are still checked, and the status tells that something was wrong.
TEST(Check, AFaultyTaskFileIsReportedAndTheOthersAreChecked)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(QFile::copy(Aufgaben + QStringLiteral("/kran.aufgabe"), ordner.filePath(QStringLiteral("kran.aufgabe"))));
    const QString falsch = ordner.filePath(QStringLiteral("falsch.aufgabe"));
    dateitest::schreiben(falsch, "[Aufgabe]\nTitel=Falsch\nAnlage=Kran\nDauer=10\n");
    const Lauf l = check({Kran, QStringLiteral("--tasks"), ordner.path()});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.fehler, falsch + QStringLiteral(": Zeile 3: Die Anlage ist Pendel oder Laufkatze, nicht „Kran“.\n"));
    EXPECT_EQ(l.aus, Kran + QStringLiteral(" kran bestanden (grün nach 7.25 s)\n"));
    // Asked for by name, it is the same message.
    const Lauf genannt = check({Kran, QStringLiteral("--task"), QStringLiteral("falsch"), QStringLiteral("--tasks"), ordner.path()});
    EXPECT_EQ(genannt.status, 1);
    EXPECT_EQ(genannt.aus, QString());
    EXPECT_EQ(genannt.fehler, l.fehler);
    // A folder without tasks.
    QTemporaryDir leer;
    const Lauf nichts = check({QStringLiteral("--list"), QStringLiteral("--tasks"), leer.path()});
    EXPECT_EQ(nichts.status, 1);
    EXPECT_EQ(nichts.fehler, QStringLiteral("Keine Aufgaben gefunden in: ") + leer.path() + QLatin1Char('\n'));
}

TEST(Check, AWrongCallShowsTheReasonAndTheUsage)
{
    struct Fall {
        QStringList argumente;
        QString grund;
    };
    const Fall faelle[] = {
        {{}, QStringLiteral("Es fehlt die Projektdatei.")},
        {{Kran, QStringLiteral("--tasks"), Aufgaben, QStringLiteral("--task"), QStringLiteral("gibtsnicht")},
         QStringLiteral("Unbekannte Aufgabe: gibtsnicht (bekannt: kran, kran-ueberall, pendel, pendel-sparsam, "
                        "pendel-wind)")},
        {{Kran, QStringLiteral("--plant")}, QStringLiteral("Unbekannte Option: --plant")},
        {{Kran, QStringLiteral("--task")}, QStringLiteral("Der Option --task fehlt ihr Wert.")},
        {{Kran, QStringLiteral("--task"), QStringLiteral("kran"), QStringLiteral("--task"), QStringLiteral("pendel")},
         QStringLiteral("Die Option --task ist doppelt angegeben.")},
        {{QStringLiteral("--list"), Kran}, QStringLiteral("Mit --list wird keine Projektdatei geprüft.")},
        {{QStringLiteral("--list"), QStringLiteral("--task"), QStringLiteral("kran")},
         QStringLiteral("--list und --task passen nicht zusammen.")},
        {{Kran, QStringLiteral("--tasks"), QStringLiteral("/gibt/es/nicht")},
         QStringLiteral("Den Aufgabenordner gibt es nicht: /gibt/es/nicht")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.grund.toStdString());
        const Lauf l = check(f.argumente);
        EXPECT_EQ(l.status, 2);
        EXPECT_EQ(l.aus, QString());
        EXPECT_TRUE(l.fehler.startsWith(f.grund + QStringLiteral("\nAufruf: tarvik-cli"))) << l.fehler.toStdString();
    }
    EXPECT_TRUE(clitest::cli({QStringLiteral("--help")}).aus.contains(QStringLiteral("  check PROJEKT.fuz [PROJEKT.fuz ...]")));
}

// The crane task runs exactly as simulate does with its defaults: row by row
// the same numbers, and its figure is the time of simulate's first green row.
TEST(Check, TheCraneTaskRunsAsSimulateAndItsFigureIsTheFirstGreenRow)
{
    const Lauf sim = clitest::cli({QStringLiteral("simulate"), Kran, QStringLiteral("--plant"), QStringLiteral("crane")});
    ASSERT_EQ(sim.status, 0);
    const QStringList csv = zeilen(sim.aus).mid(1);
    TProjekt p;
    p.Dateiname = Kran;
    ASSERT_FALSE(LoadFile(p).meldung);
    TAufgabe kran;
    for (const TAufgabenDatei& d : AufgabenLaden({Aufgaben}))
        if (d.id == QLatin1String("kran"))
            kran = *d.aufgabe;
    const TPruefergebnis e = AufgabePruefen(kran, p);
    ASSERT_EQ(e.laeufe.size(), 1u);
    const auto& laufzeilen = e.laeufe[0].zeilen;
    ASSERT_EQ(laufzeilen.size(), 301u);
    int erstesGruen = -1;
    for (std::size_t k = 0; k < laufzeilen.size(); ++k) {
        const TPruefzeile& z = laufzeilen[k];
        const float werte[] = {z.zeit, z.x, z.xdot, z.winkel, z.winkeldot, z.kraft};
        QStringList felder;
        for (float w : werte)
            felder << Zahl(w);
        felder << (z.gruen ? QStringLiteral("1") : QStringLiteral("0"));
        ASSERT_EQ(felder.join(QLatin1Char(',')), csv[static_cast<qsizetype>(k)]) << k;
        if (z.gruen && erstesGruen < 0)
            erstesGruen = static_cast<int>(k);
    }
    ASSERT_GT(erstesGruen, 0);
    EXPECT_EQ(e.stelle, laufzeilen[static_cast<std::size_t>(erstesGruen)].zeit);
    EXPECT_EQ(csv[erstesGruen].section(QLatin1Char(','), 0, 0), QStringLiteral("7.25000954"));
    const Lauf l = check({Kran, QStringLiteral("--task"), QStringLiteral("kran"), QStringLiteral("--tasks"), Aufgaben});
    EXPECT_EQ(l.aus, Kran + QStringLiteral(" kran bestanden (grün nach 7.25 s)\n"));
}

} // namespace
