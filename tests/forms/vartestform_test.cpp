#include "forms/vartestform.h"

#include "platform/hilfe.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include "tests/fuzzy_hilfe.h"
#include "tests/widgets/hilfen.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using fuzzytest::trapezVariable;

void bildAblegen(QWidget& w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("TARVIK_BILDER");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

TFuzzy hundert()
{
    TFuzzy f = trapezVariable(0, 100, {{0, 0, 20, 40}, {20, 40, 60, 80}, {60, 80, 100, 100}});
    f.setName(QStringLiteral("Geschwindigkeit"));
    f.setTermname(1, QStringLiteral("langsam"));
    f.setTermname(2, QStringLiteral("mittel"));
    f.setTermname(3, QStringLiteral("schnell"));
    return f;
}

TFuzzy fuenfTerme()
{
    TFuzzy f = trapezVariable(-30, 30, {{-30, -30, -20, -10}, {-20, -10, -10, 0}, {-10, 0, 0, 10}, {0, 10, 10, 20},
                                        {10, 20, 30, 30}});
    f.setName(QStringLiteral("Winkel des Pendels über der Katze"));
    const char* namen[] = {"negativ groß", "negativ klein", "null", "positiv klein", "positiv groß"};
    for (int i = 1; i <= 5; ++i)
        f.setTermname(i, QString::fromUtf8(namen[i - 1]));
    return f;
}

class VarTest : public testing::Test {
public:
    void oeffnen(const TFuzzy& v)
    {
        t.oeffnen(v);
    }
    void schieben(int position) { t.ScrollBar1()->setValue(position); }
    const QImage& bild() const { return t.Koordinatensystem1().Bild(); }

    TVarTestForm t;
};

TEST_F(VarTest, ControlsSitWhereTheyBelong)
{
    EXPECT_EQ(t.size(), QSize(511, 325));
    EXPECT_EQ(t.minimumSize(), t.maximumSize());
    EXPECT_EQ(t.Panel1()->geometry(), QRect(24, 8, 377, 225));
    EXPECT_EQ(t.Koordinatensystem1().geometry(), QRect(2, 2, 373, 221));
    EXPECT_EQ(t.ScrollBar1()->geometry(), QRect(48, 248, 345, 20));
    EXPECT_EQ(t.ScrollBar1()->orientation(), Qt::Horizontal);
    EXPECT_EQ(t.ScrollBar1()->maximum(), 400);
    EXPECT_EQ(t.ScrollBar1()->singleStep(), 1);
    EXPECT_EQ(t.ScrollBar1()->pageStep(), 1);
    EXPECT_EQ(t.ScrollBar1()->toolTip(), QStringLiteral("Eingangswert einstellen"));
    EXPECT_EQ(t.SingEdit1()->geometry(), QRect(416, 248, 73, 21));
    EXPECT_TRUE(t.SingEdit1()->isReadOnly());
    EXPECT_EQ(t.Label1()->pos(), QPoint(48, 288));
    EXPECT_TRUE(t.Label1()->font().bold());
    EXPECT_EQ(t.Label1()->font().pixelSize(), 19);
    EXPECT_EQ(t.OKBtn()->geometry(), QRect(420, 8, 77, 27));
    EXPECT_EQ(t.OKBtn()->text(), QStringLiteral("OK"));
    EXPECT_EQ(t.HelpBtn()->geometry(), QRect(420, 40, 77, 27));
    EXPECT_EQ(t.HelpBtn()->text(), QStringLiteral("Hilfe"));
}

TEST_F(VarTest, OpeningStartsAtTheLeftEndWithCaptionValueAndMemberships)
{
    oeffnen(hundert());
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Fuzzyvariable testen [Geschwindigkeit]"));
    EXPECT_EQ(t.ScrollBar1()->value(), 0);
    EXPECT_EQ(t.Variable().x(), 0.0f);
    EXPECT_EQ(t.SingEdit1()->text(), QStringLiteral("  0.0000"));
    EXPECT_EQ(t.Label1()->text(), QStringLiteral("Z = ( 1.00 ; 0.00 ; 0.00 )"));
    EXPECT_EQ(t.Variable().Farbe(2), (TFarbe{255, 0, 0}));
    // The terms are drawn: the blue of term 1 sits on the plot.
    bool blau = false;
    for (int y = 0; y < bild().height(); ++y)
        for (int x = 0; x < bild().width(); ++x)
            blau |= rgb(bild(), x, y) == 0x0000ff;
    EXPECT_TRUE(blau);
}

TEST_F(VarTest, TheScrollBarSetsXInFourHundredStepsOfTheBaseSet)
{
    oeffnen(hundert());
    struct Fall {
        int position;
        float x;
        const char* feld;
        const char* liste;
    };
    const Fall faelle[] = {
        {200, 50, " 50.0000", "Z = ( 0.00 ; 1.00 ; 0.00 )"},
        {1, 0.25f, "  0.2500", "Z = ( 1.00 ; 0.00 ; 0.00 )"},
        {120, 30, " 30.0000", "Z = ( 0.50 ; 0.50 ; 0.00 )"},
        {400, 100, "100.0000", "Z = ( 0.00 ; 0.00 ; 1.00 )"},
    };
    for (const Fall& f : faelle) {
        schieben(f.position);
        EXPECT_EQ(t.Variable().x(), f.x) << f.position;
        EXPECT_EQ(t.SingEdit1()->text(), QString::fromLatin1(f.feld));
        EXPECT_EQ(t.Label1()->text(), QString::fromLatin1(f.liste));
    }
    // Arrow keys move by one step.
    schieben(10);
    QTest::keyClick(t.ScrollBar1(), Qt::Key_Right);
    EXPECT_EQ(t.ScrollBar1()->value(), 11);
    EXPECT_EQ(t.Variable().x(), 2.75f);
}

TEST_F(VarTest, MovingBackAndForthLeavesNoStrayLines)
{
    oeffnen(fuenfTerme());
    const QImage amAnfang = bild().copy();
    schieben(150);
    const QImage bei150 = bild().copy();
    EXPECT_GT(unterschiede(amAnfang, bei150), 0);
    for (int p : {151, 300, 7, 399, 400, 222})
        schieben(p);
    schieben(150);
    EXPECT_EQ(unterschiede(bild(), bei150), 0);
    schieben(0);
    EXPECT_EQ(unterschiede(bild(), amAnfang), 0);

    // The picture at a position is the one a fresh tester draws there.
    TVarTestForm frisch;
    frisch.oeffnen(fuenfTerme());
    frisch.ScrollBar1()->setValue(150);
    schieben(150);
    EXPECT_EQ(unterschiede(bild(), frisch.Koordinatensystem1().Bild()), 0);
    bildAblegen(t, QStringLiteral("vartestform_winkel"));
}

TEST_F(VarTest, ReopeningShowsOnlyTheNewVariableFromItsLeftEnd)
{
    oeffnen(fuenfTerme());
    schieben(300);
    oeffnen(hundert());
    EXPECT_EQ(t.ScrollBar1()->value(), 0);
    EXPECT_EQ(t.Variable().x(), 0.0f);
    EXPECT_EQ(t.SingEdit1()->text(), QStringLiteral("  0.0000"));
    EXPECT_EQ(t.Label1()->text(), QStringLiteral("Z = ( 1.00 ; 0.00 ; 0.00 )"));
    TVarTestForm frisch;
    frisch.oeffnen(hundert());
    EXPECT_EQ(unterschiede(bild(), frisch.Koordinatensystem1().Bild()), 0);

    // With the scroll bar already at 0 the fields still follow the variable.
    TFuzzy rechts = hundert();
    rechts.setA(20);
    rechts.setName(QStringLiteral("anders"));
    oeffnen(rechts);
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Fuzzyvariable testen [anders]"));
    EXPECT_EQ(t.SingEdit1()->text(), QStringLiteral(" 20.0000"));
    EXPECT_EQ(t.Label1()->text(), QStringLiteral("Z = ( 1.00 ; 0.00 ; 0.00 )"));
}

TEST_F(VarTest, RedrawingKeepsXAndThePicture)
{
    oeffnen(hundert());
    schieben(123);
    const QImage vorher = bild().copy();
    t.Neuzeichnen();
    t.repaint();
    EXPECT_EQ(t.Variable().x(), 30.75f);
    EXPECT_EQ(unterschiede(bild(), vorher), 0);
}

// A variable that the editor handed back with faults: the tester still works.
TEST_F(VarTest, VariablesWithFaultsNeitherCrashNorHang)
{
    const TFuzzy faelle[] = {
        trapezVariable(100, 0, {{0, 10, 20, 30}, {90, 60, 50, 40}}),
        trapezVariable(5, 5, {{0, 10, 20, 30}}),
        trapezVariable(0, 10, {{8, 2, 1, 9}, {-50, 3, 2, 80}}),
        trapezVariable(-1e30f, 1e30f, {{0, 1, 2, 3}}),
    };
    for (const TFuzzy& v : faelle) {
        oeffnen(v);
        for (int p : {0, 1, 200, 399, 400, 0})
            schieben(p);
        EXPECT_EQ(t.Variable().x(), v.a());
    }
    schieben(200);
    EXPECT_EQ(t.Variable().x(), 0.0f);
}

TEST_F(VarTest, OKHasTheFocusAndHelpOpensThePageOfTheVariables)
{
    ScopedHilfe hilfe;
    oeffnen(fuenfTerme());
    t.show();
    QApplication::setActiveWindow(&t);
    EXPECT_EQ(QApplication::focusWidget(), t.OKBtn());
    EXPECT_TRUE(t.OKBtn()->isDefault());
    t.HelpBtn()->click();
    THilfetaste f1;
    qApp->installEventFilter(&f1);
    QTest::keyClick(&t, Qt::Key_F1);
    qApp->removeEventFilter(&f1);
    EXPECT_EQ(hilfe.seiten(), (QList<HilfeSeite>{HilfeSeite::Variablen, HilfeSeite::Variablen}));
    schieben(330);
    // Five memberships fit the label.
    EXPECT_LE(t.Label1()->geometry().left() + t.Label1()->sizeHint().width(), t.width());
    bildAblegen(t, QStringLiteral("vartestform_fuenf"));
    QTest::keyClick(t.OKBtn(), Qt::Key_Return);
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_FALSE(t.isVisible());
}

} // namespace
