// File types on the desktop: what tying a type writes and untying removes,
// in a temporary XDG home.
#include "platform/dateitypen.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

class Dateitypen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        vorherKonfig = qgetenv("XDG_CONFIG_HOME");
        vorherDaten = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("daten")).toUtf8());
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", vorherKonfig);
        qputenv("XDG_DATA_HOME", vorherDaten);
    }

    // Every file below the home, relative to it.
    QStringList dateien() const
    {
        QStringList namen;
        QDirIterator it(home.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            namen.append(QDir(home.path()).relativeFilePath(it.next()));
        namen.sort();
        return namen;
    }
    QByteArray lesen(const QString& name) const { return dateitest::lesen(home.filePath(name)); }

    static TDateityp fuz()
    {
        return {QStringLiteral("fuz"), QStringLiteral("/opt/Mein Tarvik/tarvik.exe ^.fuz"),
                QStringLiteral("/opt/Mein Tarvik/tarvik"), QStringLiteral("Tarvik"), QStringLiteral("Fuzzy-Datei")};
    }

    QTemporaryDir home;
    QByteArray vorherKonfig;
    QByteArray vorherDaten;
};

TEST_F(Dateitypen, TyingWritesTheListTheMimeTypeTheDesktopEntryAndTheDefault)
{
    ASSERT_TRUE(Xdg::Verknuepfen(fuz(), false));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("config/mimeapps.list"), QStringLiteral("config/tarvik/extensions.ini"),
                                      QStringLiteral("daten/applications/tarvik-fuz.desktop"),
                                      QStringLiteral("daten/mime/packages/tarvik-fuz.xml")}));
    EXPECT_EQ(lesen(QStringLiteral("config/tarvik/extensions.ini")),
              QByteArray("[Extensions]\nfuz=/opt/Mein Tarvik/tarvik.exe ^.fuz\n"));
    EXPECT_EQ(lesen(QStringLiteral("config/mimeapps.list")),
              QByteArray("[Default Applications]\napplication/x-tarvik-fuz=tarvik-fuz.desktop\n"));
    const QByteArray desktop = lesen(QStringLiteral("daten/applications/tarvik-fuz.desktop"));
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\nType=Application\nName=Tarvik\n")) << desktop.constData();
    // The path with its blank is one quoted argument.
    EXPECT_TRUE(desktop.contains("\nExec=\"/opt/Mein Tarvik/tarvik\" %f\n")) << desktop.constData();
    EXPECT_TRUE(desktop.contains("\nMimeType=application/x-tarvik-fuz;\n"));
    const QByteArray mime = lesen(QStringLiteral("daten/mime/packages/tarvik-fuz.xml"));
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-tarvik-fuz\">"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.fuz\"/>"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.FUZ\"/>"));
}

TEST_F(Dateitypen, UntyingRemovesExactlyWhatTyingMadeAndKeepsTheRest)
{
    const QString mimeapps = home.filePath(QStringLiteral("config/mimeapps.list"));
    QDir().mkpath(home.filePath(QStringLiteral("config")));
    const QByteArray fremd = "[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\nimage/png=bild.desktop;\n";
    dateitest::schreiben(mimeapps, fremd);
    TDateityp exp{QStringLiteral("exp"), QStringLiteral("/opt/t/tamsor.exe ^.exp"), QStringLiteral("/opt/t/tamsor"),
                  QStringLiteral("Tamsor"), QStringLiteral("Experiment-Datei")};
    ASSERT_TRUE(Xdg::Verknuepfen(fuz(), false));
    ASSERT_TRUE(Xdg::Verknuepfen(exp, false));
    // Ticked, cleared, ticked again: the same files.
    const QStringList beide = dateien();
    ASSERT_TRUE(Xdg::Loesen(QStringLiteral("fuz"), false));
    ASSERT_TRUE(Xdg::Verknuepfen(fuz(), false));
    EXPECT_EQ(dateien(), beide);

    ASSERT_TRUE(Xdg::Loesen(QStringLiteral("fuz"), false));
    ASSERT_TRUE(Xdg::Loesen(QStringLiteral("exp"), false));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("config/mimeapps.list"), QStringLiteral("config/tarvik/extensions.ini")}));
    EXPECT_EQ(dateitest::lesen(mimeapps), QByteArray("[Default Applications]\ntext/plain=editor.desktop\n\n"
                                                     "[Added Associations]\nimage/png=bild.desktop;\n"));
    EXPECT_EQ(lesen(QStringLiteral("config/tarvik/extensions.ini")), QByteArray("[Extensions]\n"));

    // A default another program took over in the meantime stays.
    ASSERT_TRUE(Xdg::Verknuepfen(fuz(), false));
    dateitest::schreiben(mimeapps, "[Default Applications]\napplication/x-tarvik-fuz=anderes.desktop\n");
    ASSERT_TRUE(Xdg::Loesen(QStringLiteral("FUZ"), false));
    EXPECT_EQ(dateitest::lesen(mimeapps), QByteArray("[Default Applications]\napplication/x-tarvik-fuz=anderes.desktop\n"));
    // Untying what was never tied changes nothing.
    ASSERT_TRUE(Xdg::Loesen(QStringLiteral("exp"), false));
}

TEST_F(Dateitypen, ExecArgumentsAreQuotedAfterTheDesktopEntrySpecification)
{
    TDateityp typ = fuz();
    typ.programm = QStringLiteral("/opt/a \"b\" $c `d` \\e 100%/tarvik");
    ASSERT_TRUE(Xdg::Verknuepfen(typ, false));
    const QByteArray desktop = lesen(QStringLiteral("daten/applications/tarvik-fuz.desktop"));
    EXPECT_TRUE(desktop.contains("\nExec=\"/opt/a \\\\\"b\\\\\" \\\\$c \\\\`d\\\\` \\\\\\\\e 100%%/tarvik\" %f\n"))
        << desktop.constData();
}

} // namespace
