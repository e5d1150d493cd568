// What Save As proposes: the current file, else the folder of the last
// successful open or save; never a name that was refused or could not be written.
#include "app/mainform.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

// The proposal of one Save As that the user cancels.
QString vorschlag(TMainForm& f)
{
    ScopedDateiDialoge d({std::nullopt});
    f.FileSaveAs();
    return d.dialoge().isEmpty() ? QStringLiteral("<kein Dialog>") : d.dialoge().constFirst().vorschlag;
}

TEST(SpeichernUnter, ProposesTheCurrentFileElseTheFolderOfTheLastSuccess)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString beispiel = QFileInfo(QStringLiteral(TARVIK_TESTDATA "/winkel.fuz")).absoluteFilePath();
    const QString beispielOrdner = QFileInfo(beispiel).absolutePath() + QLatin1Char('/');
    TMainForm f;
    ScopedMeldungen m;
    EXPECT_EQ(vorschlag(f), QString()) << "nothing opened or saved yet";

    {
        ScopedDateiDialoge d({beispiel});
        f.FileOpen();
    }
    EXPECT_EQ(vorschlag(f), beispiel);

    {
        ScopedDateiDialoge d({ordner.filePath(QStringLiteral("x.txt"))});
        EXPECT_FALSE(f.FileSaveAs()); // wrong extension
    }
    EXPECT_EQ(vorschlag(f), beispiel);

    const QString unmoeglich = ordner.filePath(QStringLiteral("fehlt/p.fuz"));
    {
        ScopedDateiDialoge d({unmoeglich});
        EXPECT_FALSE(f.FileSaveAs());
    }
    EXPECT_EQ(f.Projekt().Dateiname, beispiel) << "a failed save keeps the project where it was";
    EXPECT_EQ(vorschlag(f), beispiel) << "the name that could not be written is not proposed";

    // A file that could not be opened is the current name, but no proposal.
    {
        ScopedDateiDialoge d({ordner.filePath(QStringLiteral("fehlt.fuz"))});
        f.FileOpen();
    }
    EXPECT_EQ(vorschlag(f), beispielOrdner);

    const QString gut = ordner.filePath(QStringLiteral("gut.fuz"));
    {
        ScopedDateiDialoge d({gut});
        EXPECT_TRUE(f.FileSaveAs());
    }
    EXPECT_EQ(vorschlag(f), gut);

    f.FileNew();
    EXPECT_EQ(vorschlag(f), QDir(ordner.path()).absolutePath() + QLatin1Char('/'));
}

} // namespace
