#include "platform/druckdialog.h"
#include "platform/hilfe.h"
#include "platform/modal.h"
#include "platform/pause.h"
#include "platform/programmstart.h"
#include "platform/uhr.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

TEST(ZeigeModal, TheHandlerGetsTheDialogAndDecidesItsResult)
{
    QDialog dialog;
    {
        ScopedModal modal([](QDialog& d) {
            d.setWindowTitle(QStringLiteral("ausgefüllt"));
            return int(QDialog::Accepted);
        });
        EXPECT_EQ(ZeigeModal(dialog), QDialog::Accepted);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ausgefüllt"));
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("QDialog")});
    }
    ScopedModal ohneHandler;
    EXPECT_EQ(ZeigeModal(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(DruckDialog, TheHandlerSetsThePrinterUpOrCancels)
{
    QPrinter drucker;
    {
        ScopedDruckDialog abbrechen;
        EXPECT_FALSE(DruckDialog(drucker));
        EXPECT_EQ(abbrechen.aufrufe(), 1);
    }
    ScopedDruckDialog pdf([](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QStringLiteral("x.pdf"));
        return true;
    });
    EXPECT_TRUE(DruckDialog(drucker));
    EXPECT_EQ(drucker.outputFormat(), QPrinter::PdfFormat);
}

TEST(TickCount, FakeClockMovesOnByItsStepAndByHand)
{
    {
        ScopedUhr uhr(1000, 5);
        EXPECT_EQ(TickCount(), 1000u);
        EXPECT_EQ(TickCount(), 1005u);
        uhr.weiter(50);
        EXPECT_EQ(TickCount(), 1060u);
        EXPECT_EQ(uhr.ablesungen(), 3);
    }
    // Near the wrap-around, differences stay right in unsigned arithmetic.
    ScopedUhr uhr(0xFFFFFFF0u, 0x20u);
    const std::uint32_t vorher = TickCount();
    EXPECT_EQ(TickCount() - vorher, 0x20u);
}

TEST(Pause, WaitsOnTheTickCounterAndHandsEventsOverWithoutSleepingUnderAFakeClock)
{
    bool behandelt = false;
    QTimer::singleShot(0, [&] { behandelt = true; });
    {
        ScopedUhr uhr(1000, 10);
        EXPECT_FALSE(EchteUhr());
        const QDeadlineTimer frist(2000);
        Pause(50);
        EXPECT_FALSE(frist.hasExpired());
        EXPECT_GE(uhr.jetzt(), 1050u);
        EXPECT_LE(uhr.ablesungen(), 8);
    }
    EXPECT_TRUE(behandelt);
    EXPECT_TRUE(EchteUhr());
}

TEST(TickCount, RealClockNeverGoesBack)
{
    const std::uint32_t a = TickCount();
    const std::uint32_t b = TickCount();
    EXPECT_LT(b - a, 1000u);
}

TEST(StarteProgramm, ReportsAMissingFileOrDirectoryWithItsCode)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QFile text(ordner.filePath(QStringLiteral("daten.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.close();

    const auto fehlt = StarteProgramm(ordner.filePath(QStringLiteral("sim.exe")));
    EXPECT_FALSE(fehlt.gestartet);
    EXPECT_EQ(fehlt.code, 2);
    const auto ohnePfad = StarteProgramm(ordner.filePath(QStringLiteral("gibtsnicht/sim.exe")));
    EXPECT_FALSE(ohnePfad.gestartet);
    EXPECT_EQ(ohnePfad.code, 3);
    const auto keinProgramm = StarteProgramm(text.fileName());
    EXPECT_FALSE(keinProgramm.gestartet);
    EXPECT_NE(keinProgramm.code, 2);
    EXPECT_NE(keinProgramm.code, 3);
}

TEST(StarteProgramm, AFileNameWithBlanksAndSemicolonStaysOneArgument)
{
    const QString touch = QStandardPaths::findExecutable(QStringLiteral("touch"));
    if (touch.isEmpty())
        GTEST_SKIP() << "touch fehlt";
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString datei = ordner.filePath(QStringLiteral("mein projekt; touch boese.fuz"));
    const auto ergebnis = StarteProgramm(touch, {datei});
    ASSERT_TRUE(ergebnis.gestartet);
    // The started program runs on its own; give it a moment to finish.
    QDeadlineTimer frist(10000);
    while (!QFileInfo::exists(datei) && !frist.hasExpired())
        QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(datei));
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath(QStringLiteral("boese.fuz"))));
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath(QStringLiteral("mein"))));
}

TEST(StarteProgramm, ScopedHandlerRecordsStartsAndAddresses)
{
    ScopedProgrammstart start({false, 8});
    const auto ergebnis = StarteProgramm(QStringLiteral("/opt/tarvik/sim.exe"), {QStringLiteral("/a b/c.fuz")});
    EXPECT_FALSE(ergebnis.gestartet);
    EXPECT_EQ(ergebnis.code, 8);
    EXPECT_TRUE(OeffneAdresse(QUrl(QStringLiteral("https://example.org/"))));
    const QList<ScopedProgrammstart::Aufruf> erwartet{
        {QStringLiteral("/opt/tarvik/sim.exe"), {QStringLiteral("/a b/c.fuz")}}};
    EXPECT_EQ(start.aufrufe(), erwartet);
    EXPECT_EQ(start.adressen(), QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
}

TEST(ZeigeHilfe, RequestsReachTheInstalledViewerAndAreHarmlessWithoutOne)
{
    ZeigeHilfe(HilfeSeite::Simulation);
    SchliesseHilfe();
    ScopedHilfe hilfe;
    ZeigeHilfe(HilfeSeite::Simulation);
    ZeigeHilfe(HilfeSeite::Dateien);
    SchliesseHilfe();
    EXPECT_EQ(hilfe.seiten(), (QList<HilfeSeite>{HilfeSeite::Simulation, HilfeSeite::Dateien}));
    EXPECT_EQ(hilfe.geschlossen(), 1);
}

// A window that shares a page asks for its section; the help button reads it
// when clicked, so a section set after the window was built counts.
TEST(HilfeSeiteSetzen, TheAreaGivesPageAndSectionToF1AndToItsButton)
{
    QDialog fenster;
    auto* knopf = new QPushButton(QStringLiteral("Hilfe"), &fenster);
    auto* innen = new QWidget(&fenster);
    auto* feld = new QLineEdit(innen);
    HilfeSeiteSetzen(&fenster, HilfeSeite::Regeln, knopf);
    HilfeSeiteSetzen(innen, HilfeSeite::Optionen, nullptr, QStringLiteral("felder"));
    EXPECT_EQ(HilfeSeiteVon(feld), HilfeSeite::Optionen);
    EXPECT_EQ(HilfeAbschnittVon(feld), QStringLiteral("felder"));
    EXPECT_EQ(HilfeAbschnittVon(knopf), QString());
    HilfeAbschnittSetzen(&fenster, QStringLiteral("regeltest"));

    ScopedHilfe hilfe;
    knopf->click();
    EXPECT_TRUE(HilfeZeigenFuer(feld));
    QWidget ohne;
    EXPECT_FALSE(HilfeZeigenFuer(&ohne));
    EXPECT_EQ(hilfe.seiten(), (QList<HilfeSeite>{HilfeSeite::Regeln, HilfeSeite::Optionen}));
    EXPECT_EQ(hilfe.abschnitte(), (QStringList{QStringLiteral("regeltest"), QStringLiteral("felder")}));
}

} // namespace
