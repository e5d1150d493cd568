#include "widgets/intedit.h"
#include "widgets/singedit.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Edits, SingEditReadsTypedTextAndShowsItsFormat)
{
    TSingEdit e;
    QTest::keyClicks(&e, QStringLiteral("2,5"));
    EXPECT_EQ(e.Number(), 2.5f);
    QTest::keyClick(&e, Qt::Key_Space);
    EXPECT_EQ(e.Number(), 0); // a trailing blank makes it no number
    e.setNumber(1000);
    EXPECT_EQ(e.text(), QStringLiteral(" 1.0E+0003"));
    e.setNumber(2.5f);
    EXPECT_EQ(e.text(), QStringLiteral("  2.5000"));
    e.setNumber(-0.5f);
    EXPECT_EQ(e.text(), QStringLiteral(" -0.5000"));
    EXPECT_EQ(e.Number(), -0.5f);
}

TEST(Edits, IntEditReadsIntegersOnly)
{
    TIntEdit e;
    QTest::keyClicks(&e, QStringLiteral("12a"));
    EXPECT_EQ(e.Number(), 0);
    e.setNumber(-3);
    EXPECT_EQ(e.text(), QStringLiteral("-3"));
    EXPECT_EQ(e.Number(), -3);
}

} // namespace
