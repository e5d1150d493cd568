#include "tests/cli/cli_lauf.h"
#include "tests/gebietsschema.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using clitest::Lauf;

const QString projekt = QStringLiteral(TARVIK_TESTDATA "/simulation.fuz");
constexpr double rechts = 275.0 / 45.0; // centroid of the output term "rechts"
constexpr double grad = 180 / std::numbers::pi;

Lauf simulate(QStringList argumente)
{
    argumente.prepend(QStringLiteral("simulate"));
    return clitest::cli(argumente);
}

struct Zeile {
    double zeit, x, xdot, winkel, winkeldot, kraft;
    int lampe;
};

// The rows after the header; fails the test on a malformed row.
QList<Zeile> zeilen(const Lauf& l)
{
    QStringList text = l.aus.split(QLatin1Char('\n'));
    EXPECT_EQ(text.takeFirst(), QStringLiteral("zeit,x,xdot,winkel,winkeldot,kraft,lampe"));
    EXPECT_EQ(text.takeLast(), QString());
    QList<Zeile> ergebnis;
    for (const QString& z : text) {
        const QStringList f = z.split(QLatin1Char(','));
        EXPECT_EQ(f.size(), 7) << z.toStdString();
        if (f.size() != 7)
            return ergebnis;
        ergebnis << Zeile{f[0].toDouble(), f[1].toDouble(), f[2].toDouble(), f[3].toDouble(),
                          f[4].toDouble(), f[5].toDouble(), f[6].toInt()};
    }
    return ergebnis;
}

TEST(Simulate, PendulumStartsAtTheSetUpAndTheForceActsFromTheNextStep)
{
    const Lauf l = simulate({projekt, QStringLiteral("--plant"), QStringLiteral("pendulum"), QStringLiteral("--steps"),
                             QStringLiteral("2")});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    EXPECT_EQ(l.fehler, QString());
    EXPECT_TRUE(l.aus.section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("0,1.5,0,")));
    // The lamp rule holds for the pendulum too: its tip starts at 1.93 m, at rest.
    EXPECT_TRUE(l.aus.section(QLatin1Char('\n'), 1, 1).endsWith(QStringLiteral(",0,0,1")));
    const QList<Zeile> z = zeilen(l);
    ASSERT_EQ(z.size(), 3);
    EXPECT_NEAR(z[0].winkel, 10, 1e-5);
    // First step: the angle keeps its value, the angular velocity grows.
    EXPECT_NEAR(z[1].zeit, 0.05, 1e-7);
    EXPECT_EQ(z[1].x, 1.5);
    EXPECT_EQ(z[1].xdot, 0);
    EXPECT_NEAR(z[1].winkel, 10, 1e-5);
    EXPECT_NEAR(z[1].winkeldot, 0.05 * 0.6 * 9.81 * 10, 1e-4);
    EXPECT_NEAR(z[1].kraft, rechts, 1e-5); // angle positive: push to the right
    EXPECT_EQ(z[1].lampe, 0);
    // The force of pass 1 moves the cart in pass 2 (friction 0.3 on a resting cart).
    EXPECT_NEAR(z[2].xdot, rechts * 0.05, 1e-5);
    EXPECT_NEAR(z[2].zeit, 0.1, 1e-7);
}

TEST(Simulate, CraneFeedsPositionAndAngle)
{
    struct Fall {
        QStringList zusatz;
        double startX, kraft;
        int lampe;
    };
    const Fall faelle[] = {
        {{}, -3, -rechts, 0}, // A = position -3: term "negativ" only
        {{QStringLiteral("--start"), QStringLiteral("5")}, 5, rechts, 0},
        {{QStringLiteral("--start"), QStringLiteral("2")}, 2, rechts, 1},
        {{QStringLiteral("--start"), QStringLiteral("0")}, 0, -10, 0}, // no rule fires: the output's lower bound
    };
    for (const Fall& f : faelle) {
        const Lauf l = simulate(QStringList{projekt, QStringLiteral("--plant"), QStringLiteral("crane"),
                                            QStringLiteral("--steps"), QStringLiteral("1")} +
                                f.zusatz);
        ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
        const QList<Zeile> z = zeilen(l);
        ASSERT_EQ(z.size(), 2);
        EXPECT_EQ(z[0].x, f.startX);
        EXPECT_EQ(z[0].winkel, 0);
        EXPECT_EQ(z[0].kraft, 0);
        EXPECT_EQ(z[0].lampe, f.lampe) << "load at rest at " << f.startX;
        EXPECT_NEAR(z[1].kraft, f.kraft, 1e-5) << f.startX;
    }
}

TEST(Simulate, WindLengthAndStartAngleChangeTheFirstStep)
{
    struct Fall {
        QStringList zusatz;
        double winkeldot, kraft;
    };
    const double ohneWind = 0.05 * 0.6 * 9.81 * 10;
    const Fall faelle[] = {
        {{QStringLiteral("--wind")}, ohneWind - 0.05 * 0.6 * 3.0 * grad, rechts},
        {{QStringLiteral("--length"), QStringLiteral("2")}, 0.05 * 0.75 * 9.81 * 10, rechts},
        {{QStringLiteral("--angle"), QStringLiteral("-20")}, -2 * ohneWind, -rechts},
    };
    for (const Fall& f : faelle) {
        const Lauf l = simulate(QStringList{projekt, QStringLiteral("--plant"), QStringLiteral("pendulum"),
                                            QStringLiteral("--steps"), QStringLiteral("1")} +
                                f.zusatz);
        ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
        const QList<Zeile> z = zeilen(l);
        ASSERT_EQ(z.size(), 2);
        EXPECT_NEAR(z[1].winkeldot, f.winkeldot, 1e-4) << f.zusatz.join(' ').toStdString();
        EXPECT_NEAR(z[1].kraft, f.kraft, 1e-5) << f.zusatz.join(' ').toStdString();
    }
}

TEST(Simulate, StepCountAndStepLength)
{
    Lauf l = simulate({projekt, QStringLiteral("--plant"), QStringLiteral("crane")});
    ASSERT_EQ(l.status, 0);
    QList<Zeile> z = zeilen(l);
    ASSERT_EQ(z.size(), 601);
    EXPECT_NEAR(z.last().zeit, 30, 1e-3);

    l = simulate({projekt, QStringLiteral("--plant"), QStringLiteral("crane"), QStringLiteral("--steps"),
                  QStringLiteral("0")});
    EXPECT_EQ(zeilen(l).size(), 1);

    l = simulate({QStringLiteral("--dt"), QStringLiteral("0,1"), QStringLiteral("--steps"), QStringLiteral("3"), projekt,
                  QStringLiteral("--plant"), QStringLiteral("crane")});
    ASSERT_EQ(l.status, 0);
    z = zeilen(l);
    ASSERT_EQ(z.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(z[i].zeit, 0.1 * i, 1e-6);
}

// On a German desktop the C library writes a decimal comma; the CSV must not.
TEST(Simulate, GermanLocaleWritesTheSameCsvAsTheCLocale)
{
    const QStringList argumente = {projekt, QStringLiteral("--plant"), QStringLiteral("pendulum"),
                                   QStringLiteral("--steps"), QStringLiteral("50"), QStringLiteral("--dt"),
                                   QStringLiteral("0,05")};
    Lauf c;
    {
        gebietsschema::ScopedGebietsschema cLocale("C.UTF-8");
        c = simulate(argumente);
    }
    TARVIK_DEUTSCH(deutsch);
    const Lauf de = simulate(argumente);
    ASSERT_EQ(de.status, 0) << de.fehler.toStdString();
    EXPECT_EQ(de.aus, c.aus);
    EXPECT_TRUE(de.aus.section(QLatin1Char('\n'), 2, 2).startsWith(QStringLiteral("0.0500000007,1.5,0,10,")))
        << de.aus.section(QLatin1Char('\n'), 2, 2).toStdString();
    EXPECT_EQ(zeilen(de).size(), 51);
}

TEST(Simulate, WrongCallsAndUnusableProjectsAreRefused)
{
    const QString pendel = QStringLiteral("pendulum");
    const QString kran = QStringLiteral("crane");
    const QString p = QStringLiteral("--plant");
    struct Fall {
        QStringList argumente;
        int status;
        QString meldung;
    };
    const Fall faelle[] = {
        {{projekt}, 2, QStringLiteral("--plant")},
        {{projekt, p, QStringLiteral("boat")}, 2, QStringLiteral("crane oder pendulum")},
        {{projekt, p}, 2, QStringLiteral("fehlt ihr Wert")},
        {{p, kran}, 2, QStringLiteral("Es fehlt die Projektdatei.")},
        {{projekt, p, kran, QStringLiteral("--steps"), QStringLiteral("-1")}, 2, QStringLiteral("Schritte")},
        {{projekt, p, kran, QStringLiteral("--steps"), QStringLiteral("1.5")}, 2, QStringLiteral("Schritte")},
        {{projekt, p, kran, QStringLiteral("--dt"), QStringLiteral("0")}, 2, QStringLiteral("Schrittweite")},
        {{projekt, p, kran, QStringLiteral("--dt"), QStringLiteral("1e99")}, 2, QStringLiteral("Schrittweite")},
        {{projekt, p, kran, QStringLiteral("--length"), QStringLiteral("-2")}, 2, QStringLiteral("Länge")},
        {{projekt, p, kran, QStringLiteral("--start"), QStringLiteral("x")}, 2, QStringLiteral("Keine gültige Zahl")},
        {{projekt, p, pendel, QStringLiteral("--start"), QStringLiteral("1")}, 2, QStringLiteral("Laufkatze")},
        {{projekt, p, kran, QStringLiteral("--angle"), QStringLiteral("5")}, 2, QStringLiteral("Pendel")},
        {{projekt, p, kran, QStringLiteral("--speed"), QStringLiteral("5")}, 2, QStringLiteral("Unbekannte Option")},
        {{projekt, p, kran, p, pendel}, 2, QStringLiteral("doppelt")},
        {{projekt, projekt, p, kran}, 2, QStringLiteral("Zu viele Argumente.")},
        {{QStringLiteral(TARVIK_TESTDATA "/winkel.fuz"), p, kran}, 1,
         QStringLiteral("Sie müssen zuerst die entsprechenden Fuzzyvarariablen\nund zugehörige Regeln definieren!\n")},
        {{QStringLiteral(TARVIK_TESTDATA "/gibt_es_nicht.fuz"), p, kran}, 1,
         QStringLiteral("Daten konnten nicht gelesen werden!\n")},
    };
    for (const Fall& f : faelle) {
        const Lauf l = simulate(f.argumente);
        EXPECT_EQ(l.status, f.status) << f.argumente.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.contains(f.meldung)) << l.fehler.toStdString();
        EXPECT_EQ(l.aus, QString()) << f.argumente.join(' ').toStdString();
        if (f.status == 1) {
            EXPECT_EQ(l.fehler, f.meldung);
        }
    }
}

} // namespace

namespace {

// The degrees `eval --rules` prints at inputs a and b, in its order.
QStringList evalGrade(const QString& datei, const QString& a, const QString& b)
{
    const Lauf l = clitest::cli({QStringLiteral("eval"), datei, a, b, QStringLiteral("--rules")});
    EXPECT_EQ(l.status, 0) << l.fehler.toStdString();
    QStringList grade;
    const QStringList zeilen = l.aus.section(QStringLiteral("Regeln:\n"), 1).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& z : zeilen)
        grade << z.section(QStringLiteral("  "), 0, 0);
    return grade;
}

} // namespace

TEST(Simulate, RuleColumnsHoldTheDegreesEvalGivesAtTheRowsInputs)
{
    const QString kran = QStringLiteral(TARVIK_TESTDATA "/../../examples/kran.fuz");
    const Lauf l = simulate({kran, QStringLiteral("--plant"), QStringLiteral("crane"), QStringLiteral("--steps"),
                             QStringLiteral("60"), QStringLiteral("--rules")});
    ASSERT_EQ(l.status, 0) << l.fehler.toStdString();
    const QStringList text = l.aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(text.size(), 62);
    const QStringList kopf = text[0].split(QLatin1Char(','));
    ASSERT_EQ(kopf.size(), 7 + 16);
    EXPECT_EQ(kopf[7], QStringLiteral("R11"));
    EXPECT_EQ(kopf[8], QStringLiteral("R12"));
    EXPECT_EQ(kopf[11], QStringLiteral("R21"));
    EXPECT_EQ(kopf.last(), QStringLiteral("R44"));
    // eval lists the rules B's term by B's term: reorder the columns so.
    QList<int> reihenfolge;
    for (int j = 1; j <= 4; ++j)
        for (int i = 1; i <= 4; ++i)
            reihenfolge << int(kopf.indexOf(QStringLiteral("R%1%2").arg(i).arg(j)));
    bool etwasAktiv = false;
    for (int zeile : {1, 2, 20, 61}) {
        const QStringList f = text[zeile].split(QLatin1Char(','));
        ASSERT_EQ(f.size(), kopf.size());
        QStringList spalten;
        for (int k : reihenfolge) {
            spalten << f[k];
            etwasAktiv = etwasAktiv || (f[k] != QStringLiteral("0") && f[k] != QStringLiteral("1"));
        }
        EXPECT_EQ(spalten, evalGrade(kran, f[1], f[3])) << "row " << zeile;
    }
    EXPECT_TRUE(etwasAktiv);
}

TEST(Simulate, MoreStepsThanTheMaximumAreRefused)
{
    const Lauf l = simulate({projekt, QStringLiteral("--plant"), QStringLiteral("crane"), QStringLiteral("--steps"),
                             QStringLiteral("1000001")});
    EXPECT_EQ(l.status, 2);
    EXPECT_TRUE(l.fehler.startsWith(QStringLiteral("Höchstens 1000000 Schritte sind möglich: 1000001")))
        << l.fehler.toStdString();
    EXPECT_EQ(l.aus, QString());
    EXPECT_TRUE(clitest::cli({QStringLiteral("--help")}).aus.contains(QStringLiteral("höchstens 1000000")));
}
