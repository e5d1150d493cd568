// File types on the desktop: what tying a type writes and untying removes,
// in a temporary XDG home.
#include "platform/dateitypen.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The Exec value as a launcher that keeps to the Desktop Entry rules reads
// it: string escapes, then quoting, then field codes (%f is `datei`).
// Nothing when the value breaks a rule.
std::optional<QStringList> execLesen(const QString& wert, const QString& datei)
{
    QString zeile;
    for (qsizetype i = 0; i < wert.size(); ++i) {
        if (wert[i] != QLatin1Char('\\')) {
            zeile += wert[i];
            continue;
        }
        if (++i == wert.size())
            return std::nullopt;
        switch (wert[i].unicode()) {
        case 's': zeile += QLatin1Char(' '); break;
        case 'n': zeile += QLatin1Char('\n'); break;
        case 't': zeile += QLatin1Char('\t'); break;
        case 'r': zeile += QLatin1Char('\r'); break;
        case '\\': zeile += QLatin1Char('\\'); break;
        default: return std::nullopt;
        }
    }

    const QString reserviert = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    struct Argument {
        QString text;
        bool zitiert = false;
    };
    QList<Argument> argumente;
    qsizetype i = 0;
    while (i < zeile.size()) {
        if (zeile[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        Argument a;
        if (zeile[i] == QLatin1Char('"')) {
            a.zitiert = true;
            for (++i;; ++i) {
                if (i == zeile.size())
                    return std::nullopt;
                QChar c = zeile[i];
                if (c == QLatin1Char('"'))
                    break;
                if (c == QLatin1Char('`') || c == QLatin1Char('$'))
                    return std::nullopt;
                if (c == QLatin1Char('\\')) {
                    if (i + 1 == zeile.size() || !QStringLiteral("\"`$\\").contains(zeile[i + 1]))
                        return std::nullopt;
                    c = zeile[++i];
                }
                a.text += c;
            }
            ++i;
            // Quotes enclose a whole argument.
            if (i < zeile.size() && zeile[i] != QLatin1Char(' '))
                return std::nullopt;
        } else {
            for (; i < zeile.size() && zeile[i] != QLatin1Char(' '); ++i) {
                if (reserviert.contains(zeile[i]))
                    return std::nullopt;
                a.text += zeile[i];
            }
        }
        argumente.append(a);
    }

    QStringList argv;
    for (const Argument& a : argumente) {
        if (!a.zitiert && a.text == QLatin1String("%f")) {
            argv << datei;
            continue;
        }
        QString t;
        for (qsizetype j = 0; j < a.text.size(); ++j) {
            if (a.text[j] != QLatin1Char('%')) {
                t += a.text[j];
                continue;
            }
            // Only "%%" may stand inside an argument.
            if (j + 1 == a.text.size() || a.text[j + 1] != QLatin1Char('%'))
                return std::nullopt;
            t += QLatin1Char('%');
            ++j;
        }
        argv << t;
    }
    return argv;
}

// The Exec value as xdg-open reads it in its generic mode: cut at blanks,
// no escapes, no quotes.
QStringList execGetrennt(const QString& wert, const QString& datei)
{
    QStringList argv = wert.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    argv.replaceInStrings(QRegularExpression(QStringLiteral("^%f$")), datei);
    return argv;
}

QString execWert(const QByteArray& desktop)
{
    for (const QByteArray& zeile : desktop.split('\n'))
        if (zeile.startsWith("Exec="))
            return QString::fromUtf8(zeile.mid(5));
    return {};
}

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
        // System: also links whose program does not exist.
        QDirIterator it(home.path(), QDir::Files | QDir::System, QDirIterator::Subdirectories);
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
                                      QStringLiteral("daten/mime/packages/tarvik-fuz.xml"),
                                      QStringLiteral("daten/tarvik/bin/tarvik-fuz")}));
    EXPECT_EQ(lesen(QStringLiteral("config/tarvik/extensions.ini")),
              QByteArray("[Extensions]\nfuz=/opt/Mein Tarvik/tarvik.exe ^.fuz\n"));
    EXPECT_EQ(lesen(QStringLiteral("config/mimeapps.list")),
              QByteArray("[Default Applications]\napplication/x-tarvik-fuz=tarvik-fuz.desktop\n"));
    const QByteArray desktop = lesen(QStringLiteral("daten/applications/tarvik-fuz.desktop"));
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\nType=Application\nName=Tarvik\n")) << desktop.constData();
    // The path with its blank is started through the link.
    EXPECT_TRUE(desktop.contains("\nExec=" + home.filePath(QStringLiteral("daten/tarvik/bin/tarvik-fuz")).toUtf8() + " %f\n"))
        << desktop.constData();
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

// Every program folder, however named, starts the program with the file, read
// by the rules and read cut at blanks alike.
TEST_F(Dateitypen, EveryLauncherStartsTheProgramWithTheFile)
{
    const QString datei = QStringLiteral("/home/u/Meine Projekte/Pendel.fuz");
    const QString verweis = home.filePath(QStringLiteral("daten/tarvik/bin/tarvik-fuz"));
    const QString ordner[] = {
        QStringLiteral("/opt/Mein Tarvik"), QStringLiteral("/opt/\"Tar\"vik"), QStringLiteral("/opt/it's"),
        QStringLiteral("/opt/$HOME"),       QStringLiteral("/opt/100%"),        QStringLiteral("/opt/a\\b"),
        QStringLiteral("/opt/`id`"),        QStringLiteral("/opt/~a;b&c|d"),     QStringLiteral("/opt/Übung\tneu"),
    };
    for (const QString& o : ordner) {
        SCOPED_TRACE(o.toStdString());
        TDateityp typ = fuz();
        typ.programm = o + QStringLiteral("/tarvik");
        ASSERT_TRUE(Xdg::Verknuepfen(typ, false));
        const QString exec = execWert(lesen(QStringLiteral("daten/applications/tarvik-fuz.desktop")));
        EXPECT_EQ(execLesen(exec, datei), (QStringList{verweis, datei})) << exec.toStdString();
        EXPECT_EQ(execGetrennt(exec, datei), (QStringList{verweis, datei}));
        EXPECT_EQ(QFileInfo(verweis).symLinkTarget(), typ.programm);
    }

    // A plain path is written bare, and the link of a former path goes.
    TDateityp schlicht = fuz();
    schlicht.programm = QStringLiteral("/usr/lib/tarvik/tarvik");
    ASSERT_TRUE(Xdg::Verknuepfen(schlicht, false));
    EXPECT_EQ(execWert(lesen(QStringLiteral("daten/applications/tarvik-fuz.desktop"))),
              QStringLiteral("/usr/lib/tarvik/tarvik %f"));
    EXPECT_FALSE(QFileInfo(verweis).isSymLink());
}

// Where the link itself would need quotes, the program's path is quoted and
// escaped by the rules: backslash, quote, dollar and backtick get a
// backslash, then every backslash is doubled; "%" is doubled.
TEST_F(Dateitypen, WithoutAPlainLinkThePathIsQuotedByTheRules)
{
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("meine daten")).toUtf8());
    TDateityp typ = fuz();
    typ.programm = QStringLiteral("/opt/a \"b\" $c `d` \\e 100%/tarvik");
    ASSERT_TRUE(Xdg::Verknuepfen(typ, false));
    const QString exec = execWert(lesen(QStringLiteral("meine daten/applications/tarvik-fuz.desktop")));
    EXPECT_EQ(exec, QStringLiteral("\"/opt/a \\\\\"b\\\\\" \\\\$c \\\\`d\\\\` \\\\\\\\e 100%%/tarvik\" %f"));
    EXPECT_EQ(execLesen(exec, QStringLiteral("x.fuz")), (QStringList{typ.programm, QStringLiteral("x.fuz")}));
    EXPECT_FALSE(QFileInfo(Xdg::Startverweis(QStringLiteral("fuz"))).isSymLink());

    typ.programm = QStringLiteral("/opt/Mein Tarvik/tarvik");
    ASSERT_TRUE(Xdg::Verknuepfen(typ, false));
    EXPECT_EQ(execWert(lesen(QStringLiteral("meine daten/applications/tarvik-fuz.desktop"))),
              QStringLiteral("\"/opt/Mein Tarvik/tarvik\" %f"));
}

} // namespace
