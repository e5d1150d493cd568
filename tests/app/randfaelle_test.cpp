// The program started on what is no project: a device that never ends, a pipe
// without a writer, a name far longer than any window has room for.
#include "app/mainform.h"
#include "core/projekt.h"
#include "platform/meldung.h"
#include "platform/modal.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "tests/platform/meldung_ausgabe.h"
#include "tests/sonderdateien.h"

#include <gtest/gtest.h>

namespace {

const QString beispiel = QStringLiteral(TARVIK_TESTDATA "/winkel.fuz");

// Starts the main window on one argument, past the set-up and title windows.
void starten(TMainForm& f, const QString& argument)
{
    ScopedModal modal;
    f.Programmstart({argument});
}

TEST(Programmstart, ADeviceOrAPipeIsRefusedAtOnceAndTheProjectStaysEmpty)
{
    QTemporaryDir ordner;
    const QString pipe = ordner.filePath(QStringLiteral("pipe.fuz"));
    sonderdatei::pipe(pipe);
    for (const QString& pfad : {QStringLiteral("/dev/zero"), pipe}) {
        TMainForm f(ordner.path());
        ScopedMeldungen m;
        starten(f, pfad);
        EXPECT_EQ(m.meldungen(), (QList<TMeldung>{{MeldungsArt::Warnung, ProjektTexte::keineDatei.arg(pfad)}}));
        EXPECT_FALSE(f.Projekt().EingangA.definiert());
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik 3.0"));
    }
    EXPECT_EQ(sonderdatei::inhalt(ordner.path()), QStringList{QStringLiteral("pipe.fuz")});
}

// The name that made the window 32,767 pixels wide is refused with the file.
TEST(Programmstart, AHundredThousandCharacterNameIsRefusedAndTheWindowStaysOnTheScreen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("lang.fuz"));
    QFile quelle(beispiel);
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(quelle.readAll().replace(QByteArrayLiteral("Winkel\r\n"), QByteArray(100000, 'W') + "\r\n"));
    datei.close();

    TMainForm f(ordner.path());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ScopedMeldungen m;
    starten(f, pfad);
    QCoreApplication::processEvents();
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{{MeldungsArt::Fehler, ProjektTexte::nameZuLang}}));
    EXPECT_EQ(f.Projekt().Dateiname, NeuerProjektname);
    EXPECT_LE(f.width(), f.screen()->availableGeometry().width());
    EXPECT_LE(f.minimumSizeHint().width(), f.screen()->availableGeometry().width());
}

} // namespace
