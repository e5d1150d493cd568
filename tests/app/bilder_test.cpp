#include "app/bilder.h"

#include <QIcon>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// A tool-bar picture is drawn for the device pixels it is shown at: at 150 %
// and 200 % it is the picture drawn at 24 and 32 pixels, not a 16-pixel one
// enlarged; disabled it is grey.
TEST(Bilder, ToolBarPicturesAreDrawnAtTheDevicePixelRatio)
{
    const QIcon symbol = Knopfsymbol(TKnopfbild::Pendel);
    for (const qreal faktor : {1.0, 1.5, 2.0}) {
        const QPixmap p = symbol.pixmap(QSize(16, 16), faktor);
        const int seite = qRound(16 * faktor);
        ASSERT_EQ(p.size(), QSize(seite, seite)) << faktor;
        EXPECT_EQ(p.devicePixelRatio(), faktor);
        EXPECT_EQ(p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  Knopfbild(TKnopfbild::Pendel, seite))
            << faktor;
    }
    const QImage grau = symbol.pixmap(QSize(16, 16), 2.0, QIcon::Disabled).toImage();
    EXPECT_NE(grau.convertToFormat(QImage::Format_ARGB32_Premultiplied), Knopfbild(TKnopfbild::Pendel, 32));
}

} // namespace
