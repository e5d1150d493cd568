#include "forms/protokollform.h"

#include "tests/qstring_ausgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Protokoll, AppendsLinesUpToItsLimitAndCopiesTheWholeText)
{
    TProtokollform p;
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Protokoll"));
    EXPECT_EQ(p.size(), QSize(388, 330));
    EXPECT_EQ(p.Memo1()->size(), QSize(265, 297));
    EXPECT_EQ(p.Zeilen(), 0);
    p.setMaxZeilen(3);
    EXPECT_TRUE(p.anhaengen(QStringLiteral("Generation: 1")));
    EXPECT_TRUE(p.anhaengen(QStringLiteral(" ")));
    EXPECT_TRUE(p.anhaengen(QString()));
    EXPECT_FALSE(p.anhaengen(QStringLiteral("zu viel")));
    EXPECT_EQ(p.Zeilen(), 3);
    EXPECT_EQ(p.Memo1()->toPlainText(), QStringLiteral("Generation: 1\n \n"));

    QTest::mouseClick(p.KopiereButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Generation: 1\n \n"));

    p.leeren();
    EXPECT_EQ(p.Zeilen(), 0);
    EXPECT_TRUE(p.anhaengen(QStringLiteral("neu")));
    EXPECT_EQ(p.Memo1()->toPlainText(), QStringLiteral("neu"));
}

} // namespace
