#include "forms/parameterform.h"

#include "core/zahlenformat.h"
#include "tests/qstring_ausgabe.h"
#include "widgets/intedit.h"
#include "widgets/singedit.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Parameterdialog, ShowsItsValuesAndTakesTheFieldsHoweverItCloses)
{
    TParameterForm p;
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Suchen - Parameter"));
    EXPECT_EQ(p.size(), QSize(377, 154));
    p.oeffnen(TSuchParameter{12, 0.5f, 0.05f});
    EXPECT_EQ(p.IntEdit1()->text(), QStringLiteral("12"));
    EXPECT_EQ(p.SingEdit1()->text(), SingEditText(0.5f));
    EXPECT_EQ(p.SingEdit2()->text(), SingEditText(0.05f));
    EXPECT_FALSE(p.Geaendert());

    p.IntEdit1()->setText(QStringLiteral("8"));
    p.SingEdit1()->setText(QStringLiteral("1"));
    p.SingEdit2()->setText(QStringLiteral("2"));
    QTest::mouseClick(p.CancelBtn(), Qt::LeftButton);
    EXPECT_EQ(p.result(), int(QDialog::Rejected));
    EXPECT_EQ(p.Ergebnis(), (TSuchParameter{8, 1.0f, 0.01f}));
    EXPECT_TRUE(p.Geaendert());

    p.StandardwerteClick();
    QTest::mouseClick(p.OKBtn(), Qt::LeftButton);
    EXPECT_EQ(p.result(), int(QDialog::Accepted));
    EXPECT_EQ(p.Ergebnis(), (TSuchParameter{20, 0.2f, 0.01f}));
}

} // namespace

namespace {

// A rate the dialog accepts survives its own display: an OK without a change
// hands back the very rate it was opened with, also one too small for four
// decimals.
TEST(Parameterdialog, SmallRatesSurviveAnOkWithoutChange)
{
    TParameterForm p;
    for (const float rate : {0.000001f, 0.00015f, 0.00005f, 0.123456f, 0.01f, 1.0f}) {
        p.oeffnen(TSuchParameter{20, rate, rate});
        EXPECT_EQ(p.SingEdit2()->Number(), rate) << p.SingEdit2()->text().toStdString();
        QTest::mouseClick(p.OKBtn(), Qt::LeftButton);
        EXPECT_EQ(p.Ergebnis(), (TSuchParameter{20, rate, rate})) << rate;
        EXPECT_FALSE(p.Geaendert()) << rate;
    }
    // Typed with a comma, shown as the dialog shows numbers.
    p.oeffnen(TSuchParameter{});
    p.SingEdit2()->setText(QStringLiteral("0,000001"));
    QTest::mouseClick(p.OKBtn(), Qt::LeftButton);
    const TSuchParameter neu = p.Ergebnis();
    EXPECT_EQ(neu.mutationsrate, 0.000001f);
    p.oeffnen(neu);
    EXPECT_EQ(p.SingEdit2()->text(), QStringLiteral("0.000001"));
    EXPECT_EQ(p.Ergebnis(), neu);
}

} // namespace
