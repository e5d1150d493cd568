#include "forms/dialoghilfe.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(Dialoghilfe, RahmenHinweisUndKnopfSitzenWieAngegeben)
{
    QDialog d;
    DialogRahmen(d, 300, 200, QStringLiteral("Titel"));
    QPushButton* k = KnopfAnlegen(&d, QStringLiteral("OK"), QRect(10, 20, 75, 25), QStringLiteral("Übernehmen"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Titel"));
    EXPECT_EQ(d.minimumSize(), QSize(300, 200));
    EXPECT_EQ(d.maximumSize(), QSize(300, 200));
    EXPECT_EQ(k->geometry(), QRect(10, 20, 75, 25));
    EXPECT_EQ(k->toolTip(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(k->statusTip(), QStringLiteral("Übernehmen"));
}

TEST(Dialoghilfe, KopierenLegtEinBildDerClientflaecheAb)
{
    QDialog d;
    DialogRahmen(d, 120, 80, QStringLiteral("Bild"));
    QApplication::clipboard()->clear();
    DialogbildKopieren(d);
    const QImage bild = QApplication::clipboard()->image();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size() / bild.devicePixelRatio(), QSize(120, 80));
}
