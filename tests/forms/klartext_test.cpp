#include "forms/klartext.h"

#include "tests/forms/klartext_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

const QChar Auslassung(0x2026);

TEST(Klartext, ATooltipShowsTheTextLiterallyAndCutsAHugeOne)
{
    const QString riesig(100000, QLatin1Char('x'));
    const struct {
        QString text, sichtbar;
    } faelle[] = {
        {QStringLiteral("Winkel"), QStringLiteral("Winkel")},
        {MarkupName, MarkupName},
        // Looks like markup to a tooltip once it starts with an entity.
        {QStringLiteral("&lt;b&gt; < 3"), QStringLiteral("&lt;b&gt; < 3")},
        {QString(), QString()},
        {riesig, QString(HinweisZeichen, QLatin1Char('x')) + Auslassung + QStringLiteral(" (100000 Zeichen)")},
    };
    for (const auto& f : faelle) {
        const QString hinweis = KlartextHinweis(f.text);
        EXPECT_EQ(HinweisAlsText(hinweis), f.sichtbar) << f.text.left(40).toStdString();
        EXPECT_FALSE(hinweis.contains(QStringLiteral("<img"))) << f.text.left(40).toStdString();
    }
    // A long word gets break points, so the tooltip does not outgrow the screen.
    EXPECT_GE(KlartextHinweis(riesig).count(QChar(0x200B)), HinweisZeichen / 60);
}

TEST(Klartext, ALabelShowsPlainTextCutToItsWidthAndTheWholeTextInTheTooltip)
{
    QLabel l;
    l.resize(120, 16);
    const QFontMetrics fm = l.fontMetrics();
    const QString riesig = QString(100000, QLatin1Char('w'));
    // The cut falls between the halves of a character outside the BMP.
    const QString lachen = QStringLiteral("a") + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(5000);
    for (const QString& text : {QStringLiteral("kurz"), MarkupName, riesig, lachen}) {
        SCOPED_TRACE(text.left(30).toStdString());
        KlartextSetzen(l, text);
        EXPECT_EQ(l.textFormat(), Qt::PlainText);
        EXPECT_TRUE(l.text().isValidUtf16());
        EXPECT_LE(fm.horizontalAdvance(l.text()), 120);
        const bool passt = fm.horizontalAdvance(text) <= 120;
        if (passt) {
            EXPECT_EQ(l.text(), text);
            EXPECT_TRUE(l.toolTip().isEmpty());
        } else {
            EXPECT_TRUE(l.text().endsWith(Auslassung));
            EXPECT_TRUE(text.startsWith(l.text().chopped(1)));
            // (one character less where the cut would split a pair)
            EXPECT_TRUE(HinweisAlsText(l.toolTip()).startsWith(text.left(HinweisZeichen - 1)));
        }
    }
    // Width given: the label keeps its own size.
    KlartextSetzen(l, MarkupName, 30);
    EXPECT_EQ(l.width(), 120);
    EXPECT_LE(fm.horizontalAdvance(l.text()), 30);
}

} // namespace
