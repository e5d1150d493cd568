#include "platform/fensterplatz.h"

#include "platform/dateidialog.h"
#include "platform/meldung.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A laptop's work area below a 40-pixel task bar at the top, on the second
// screen of a desktop, and a small projector's.
const QRect Laptop(0, 40, 1366, 728);
const QRect ZweiterSchirm(1920, 0, 1280, 680);

TEST(Fensterplatz, AWindowOnItsOwnIsMovedTheLeastIntoTheScreen)
{
    struct Fall {
        const char* wo;
        QPoint ort;
        QSize groesse, mindestens;
        QRect schirm, platz;
    };
    const Fall faelle[] = {
        {"innen bleibt", QPoint(300, 200), QSize(540, 380), {}, Laptop, QRect(300, 200, 540, 380)},
        {"rechts und unten hinaus", QPoint(1000, 600), QSize(540, 380), {}, Laptop, QRect(826, 388, 540, 380)},
        {"über der Taskleiste", QPoint(-20, 10), QSize(540, 380), {}, Laptop, QRect(0, 40, 540, 380)},
        {"zweiter Bildschirm", QPoint(100, 100), QSize(540, 380), {}, ZweiterSchirm, QRect(1920, 100, 540, 380)},
        {"höher als der Schirm: Titelleiste sichtbar", QPoint(200, 300), QSize(700, 800), {}, Laptop,
         QRect(200, 40, 700, 800)},
        {"veränderlich: auf den Schirm verkleinert", QPoint(200, 300), QSize(700, 800), QSize(300, 300), Laptop,
         QRect(200, 40, 700, 728)},
        {"ohne Bildschirm wie gewünscht", QPoint(-500, 5000), QSize(540, 380), {}, QRect(), QRect(-500, 5000, 540, 380)},
    };
    for (const Fall& f : faelle) {
        TFensterwunsch w;
        w.groesse = f.groesse;
        w.mindestens = f.mindestens;
        w.ort = f.ort;
        EXPECT_EQ(Fensterplatz(w, f.schirm), f.platz) << f.wo;
    }
}

// A dialog 652 x 441 (frame) with its buttons in a row at the bottom right, and a
// field at the top left, placed at `ort`.
struct TDialogBild {
    QRect rahmen;
    QList<QRect> felder;
};
TDialogBild dialogBei(QPoint ort)
{
    const QRect rahmen(ort, QSize(652, 441));
    return {rahmen,
            {QRect(ort + QPoint(440, 400), QSize(60, 25)), QRect(ort + QPoint(510, 400), QSize(60, 25)),
             QRect(ort + QPoint(580, 400), QSize(60, 25)), QRect(ort + QPoint(20, 40), QSize(120, 22))}};
}

TEST(Fensterplatz, AWindowBesideAnotherGoesRightLeftOrWhereItCoversNoField)
{
    struct Fall {
        const char* wo;
        QPoint dialog;
        QSize groesse, mindestens;
        QRect schirm;
        QRect platz; // null: only checked to be off the fields
    };
    const QSize kurve(540, 385);
    const Fall faelle[] = {
        {"rechts", QPoint(100, 60), kurve, {}, QRect(0, 0, 1920, 1040), QRect(760, 60, 540, 385)},
        {"links", QPoint(700, 60), kurve, {}, Laptop, QRect(152, 60, 540, 385)},
        {"rechts, vom unteren Rand gehalten", QPoint(40, 800), kurve, {}, QRect(0, 0, 1920, 1040),
         QRect(700, 655, 540, 385)},
        {"darunter", QPoint(300, 50), kurve, {}, QRect(0, 0, 1024, 1080), QRect(355, 499, 540, 385)},
        // Centred on the laptop: no room beside, above or below; it covers
        // the dialog but none of its fields and buttons.
        {"über dem Dialog, neben den Feldern", QPoint(357, 183), kurve, {}, Laptop, QRect()},
        {"Hilfe, schmaler neben dem Dialog", QPoint(357, 183), QSize(576, 650), QSize(336, 330), Laptop,
         QRect(1017, 118, 349, 650)},
        // Short of its least width plus the gap on either side: at its least
        // width against the screen's edge, clear of the dialog, not at full
        // width over its buttons.
        {"Hilfe, am Rand neben dem Dialog", QPoint(357, 183), QSize(576, 650), QSize(352, 330), Laptop,
         QRect(0, 78, 352, 650)},
    };
    for (const Fall& f : faelle) {
        const TDialogBild d = dialogBei(f.dialog);
        TFensterwunsch w;
        w.groesse = f.groesse;
        w.mindestens = f.mindestens;
        w.neben = d.rahmen;
        w.freihalten = d.felder;
        const QRect platz = Fensterplatz(w, f.schirm);
        if (!f.platz.isNull()) {
            EXPECT_EQ(platz, f.platz) << f.wo;
        }
        EXPECT_TRUE(f.schirm.contains(platz)) << f.wo;
        for (const QRect& feld : d.felder)
            EXPECT_FALSE(platz.intersects(feld)) << f.wo;
    }
}

TEST(Fensterplatz, WhereEveryPlaceCoversAFieldTheLeastIsCovered)
{
    // A screen hardly larger than the dialog: the window must cover one of
    // the buttons at least, and takes the place where it covers the least.
    const TDialogBild d = dialogBei(QPoint(0, 0));
    TFensterwunsch w;
    w.groesse = QSize(540, 385);
    w.neben = d.rahmen;
    w.freihalten = d.felder;
    const QRect schirm(0, 0, 660, 450);
    const QRect platz = Fensterplatz(w, schirm);
    EXPECT_TRUE(schirm.contains(platz));
    int bedeckt = 0;
    for (const QRect& feld : d.felder)
        bedeckt += feld.intersected(platz).width() * feld.intersected(platz).height();
    // Above the buttons, at the right edge: it covers only a strip of 20
    // columns of the field at the top left.
    EXPECT_EQ(bedeckt, 20 * 22);
}

// The glue: a dialog shown through the program's modal runner opens inside
// the screen, centred over its parent where there is room.
TEST(Fensterplatz, DialogOpensCentredOverItsParentInsideTheScreen)
{
    const QRect schirm = Schirmflaeche(nullptr);
    ASSERT_FALSE(schirm.isEmpty());
    QWidget haupt;
    haupt.setGeometry(QRect(schirm.topLeft() + QPoint(50, 40), QSize(300, 200)));
    QDialog dialog(&haupt);
    dialog.setFixedSize(200, 100);
    DialogPlatzieren(dialog);
    EXPECT_EQ(dialog.frameGeometry().center(), haupt.frameGeometry().center());

    // Parent at the right edge: the dialog is pulled back onto the screen.
    haupt.move(schirm.right() - 100, schirm.bottom() - 50);
    dialog.setAttribute(Qt::WA_Moved, false);
    DialogPlatzieren(dialog);
    EXPECT_TRUE(schirm.contains(dialog.frameGeometry()));

    // Where it stood the last time, as long as that is on the screen.
    dialog.move(schirm.topLeft() + QPoint(10, 20));
    DialogPlatzieren(dialog);
    EXPECT_EQ(dialog.pos(), schirm.topLeft() + QPoint(10, 20));
}

TEST(Fensterplatz, BesideAWindowOffItsButtons)
{
    const QRect schirm = Schirmflaeche(nullptr);
    QDialog dialog;
    dialog.setFixedSize(schirm.width() - 100, 200);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(10, 160, 80, 25);
    auto* hilfe = new QPushButton(QStringLiteral("Hilfe"), &dialog);
    hilfe->setGeometry(dialog.width() - 90, 160, 80, 25);
    dialog.move(schirm.topLeft() + QPoint(50, 100));
    ASSERT_EQ(Bedienelemente(dialog).size(), 2);

    QWidget fenster(nullptr, Qt::Window);
    fenster.resize(300, 250);
    DanebenPlatzieren(fenster, &dialog);
    EXPECT_TRUE(schirm.contains(fenster.frameGeometry()));
    EXPECT_FALSE(VerdecktBedienelemente(fenster, dialog));
}

// Message boxes and file dialogs get their size only when they are shown,
// after Qt has placed them: they place themselves then. A parent in the
// screen's corner and a file dialog larger than the screen (a scaled laptop
// screen) leave both inside it.
TEST(Fensterplatz, MessageBoxesAndFileDialogsOpenInsideTheScreen)
{
    const QRect schirm = Schirmflaeche(nullptr);
    QWidget haupt;
    haupt.setGeometry(QRect(schirm.bottomRight() - QPoint(120, 60), QSize(300, 200)));
    haupt.show();
    auto box = MeldungsBox(MeldungsArt::Fehler,
                           QStringLiteral("Die Datei kann nicht gelesen werden, weil sie keine Projektdatei ist."), false,
                           &haupt);
    box->show();
    EXPECT_TRUE(schirm.contains(box->frameGeometry()));
    box->close();

    TDateiDialog d;
    d.titel = QStringLiteral("Projekt öffnen");
    auto dialog = DateiDialogErstellen(d, &haupt);
    dialog->show();
    EXPECT_TRUE(schirm.contains(dialog->frameGeometry()));
    dialog->close();
    dialog = DateiDialogErstellen(d, &haupt);
    dialog->resize(schirm.size() + QSize(200, 100));
    dialog->show();
    EXPECT_TRUE(schirm.contains(dialog->frameGeometry()));
    dialog->close();
}

} // namespace
