// The title window, the help viewer and the program's fatal-error handler.
#include "app/hilfeform.h"
#include "app/programm.h"
#include "app/titelform.h"
#include "platform/meldung.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>
#include <QTimerEvent>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

TEST(Titelfenster, BorderlessFixedSizeWithWhiteLinesThatFit)
{
    TTitelform t;
    EXPECT_EQ(t.size(), QSize(443, 338));
    EXPECT_EQ(t.minimumSize(), t.maximumSize());
    EXPECT_TRUE(t.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(t.isModal());
    ASSERT_EQ(t.Zeilen().size(), 4);
    for (const QLabel* zeile : t.Zeilen()) {
        EXPECT_FALSE(zeile->text().isEmpty());
        EXPECT_EQ(zeile->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_LE(zeile->sizeHint().width(), zeile->width()) << zeile->text().toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), t.size()).contains(zeile->geometry()));
    }
    // The picture behind them is dark, so white reads well.
    const QImage bild = t.grab().toImage();
    EXPECT_LT(qGray(bild.pixel(5, 330)), 80);
}

TEST(Titelfenster, ClosesItselfWhenItsTwoSecondsAreOver)
{
    TTitelform t;
    QTimer* zeitgeber = t.Zeitgeber();
    EXPECT_EQ(zeitgeber->interval(), 2000);
    EXPECT_TRUE(zeitgeber->isSingleShot());
    EXPECT_FALSE(zeitgeber->isActive());
    t.oeffnen();
    ASSERT_TRUE(zeitgeber->isActive());
    t.show();
    // Deliver the timer's event now instead of waiting for it.
    QTimerEvent ablauf(zeitgeber->timerId());
    QCoreApplication::sendEvent(zeitgeber, &ablauf);
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(t.result(), QDialog::Accepted);
}

TEST(Hilfefenster, ShowsThePageOfAContextOrSaysThereIsNone)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Simulation);
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(h.Browser()->source(), QUrl(QStringLiteral("qrc:/hilfe/kontext3.html")));
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Das Hauptfenster")));

    h.oeffnen(HilfeSeite::Dateien);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Fuzzy-Datei speichern unter")));
    // The pages link to each other.
    h.Browser()->setSource(QUrl(QStringLiteral("kontext3.html")));
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Das Hauptfenster")));

    h.oeffnen(HilfeSeite::Optionen);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Anzahl der Rasterlinien")));

    const auto ohneSeite = static_cast<HilfeSeite>(99);
    h.oeffnen(ohneSeite);
    EXPECT_EQ(h.Seite(), ohneSeite);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Zu diesem Thema gibt es noch keine Hilfe.")));

    setzeHilfeAnzeige(h.Anzeige());
    SchliesseHilfe();
    EXPECT_FALSE(h.isVisible());
    ZeigeHilfe(HilfeSeite::Dateien);
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(h.Seite(), HilfeSeite::Dateien);
    setzeHilfeAnzeige({});
    h.close();
}

TEST(Hilfefenster, AskedForFromAModalDialogItStaysUsableAboveIt)
{
    THilfeForm h;
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    h.oeffnen(HilfeSeite::Dateien);
    EXPECT_EQ(h.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), &h);
    h.close();
    dialog.close();
    h.oeffnen(HilfeSeite::Simulation);
    EXPECT_EQ(h.windowModality(), Qt::NonModal);
    h.close();
}

TEST(Programmfehler, ShowsTheErrorBoxThenEndsTheProgram)
{
    ScopedMeldungen m;
    QList<int> beendet;
    const FatalerFehlerHandler vorher = setzeFatalerFehlerHandler(ProgrammFehlerHandler([&](int s) {
        EXPECT_EQ(m.meldungen().size(), 1);  // the box comes first
        beendet.append(s);
    }));
    FatalerFehler(QStringLiteral("Termindex 4 gibt es nicht."));
    setzeFatalerFehlerHandler(vorher);
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Fehler, QStringLiteral("Termindex 4 gibt es nicht.")}}));
    EXPECT_EQ(beendet, QList<int>{1});
}

} // namespace
