#include "forms/cregelform.h"

#include "suchfenster.h"
#include "tests/qstring_ausgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Chromosomenregelsystem, ShowsTheSixteenRulesInOrderAndCopiesThem)
{
    TCRegelform r;
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Chromosomenregelsystem"));
    EXPECT_EQ(r.size(), QSize(537, 332));
    EXPECT_EQ(r.Memo1()->size(), QSize(505, 257));
    EXPECT_TRUE(r.Memo1()->isReadOnly());
    // "01 10 11" then "00 00 00" for every further rule.
    TRegelsystem rs{};
    StringToRegelsystem(QStringLiteral("011011") + QString(90, QLatin1Char('0')), rs);
    r.oeffnen({suchfenster::position(), suchfenster::winkel(), suchfenster::kraft(), rs});
    const QStringList zeilen = r.Memo1()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 16);
    EXPECT_EQ(zeilen[0], QStringLiteral("WENN Position=links UND Winkel=rechts, DANN Kraft=stark rechts"));
    EXPECT_EQ(zeilen[15], QStringLiteral("WENN Position=weit links UND Winkel=stark links, DANN Kraft=links"));

    QTest::mouseClick(r.KopiereButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), zeilen.join(QLatin1Char('\n')));
}

} // namespace
