#include "search/gendatei.h"

#include "core/textdatei.h"

#include "search/regelsystem.h"
#include "search/suchtexte.h"
#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"
#include "tests/sonderdateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dateitest::lesen;
using dateitest::schreiben;

QByteArray chromosomenDatei(int zeilen)
{
    QByteArray b;
    for (int i = 0; i < zeilen; ++i)
        b += QByteArray(96, i % 2 ? '1' : '0') + "\r\n";
    return b;
}

TEST(GenDatei, LineEndsOfEveryKind)
{
    struct Fall {
        QByteArray bytes;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\n", {"a", ""}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"x\xE4", {QStringLiteral("xä")}},
    };
    for (const Fall& f : faelle) {
        TGenKodierung k = TGenKodierung::Utf8;
        EXPECT_EQ(GenZeilen(f.bytes, &k), f.zeilen) << f.bytes.toHex().constData();
        EXPECT_EQ(k, TGenKodierung::Windows1252);
    }
}

TEST(GenDatei, ByteOrderMarksSelectTheEncodingAndSavingKeepsIt)
{
    struct Fall {
        QByteArray bytes;
        TGenKodierung kodierung;
    };
    const Fall faelle[] = {
        {QByteArray("\xEF\xBB\xBF" "01\r\n\xC3\xA4\r\n"), TGenKodierung::Utf8},
        {QByteArray("\xFF\xFE" "0\0" "1\0\r\0\n\0\xE4\0\r\0\n\0", 16), TGenKodierung::Utf16LE},
        {QByteArray("\xFE\xFF" "\0" "0\0" "1\0\r\0\n\0\xE4\0\r\0\n", 16), TGenKodierung::Utf16BE},
    };
    for (const Fall& f : faelle) {
        TGenKodierung k = TGenKodierung::Windows1252;
        const QStringList zeilen = GenZeilen(f.bytes, &k);
        EXPECT_EQ(zeilen, (QStringList{QStringLiteral("01"), QStringLiteral("ä")}));
        EXPECT_EQ(k, f.kodierung);
        EXPECT_EQ(GenBytes(zeilen, k), f.bytes);
    }
}

// Found by fuzzing: a second mark after the byte-order mark was dropped at
// every load, so each save and load lost a character of the first line.
TEST(GenDatei, ASecondMarkIsACharacterThatSurvivesSaveAndLoad)
{
    const QByteArray faelle[] = {
        QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "01\r\n"),
        QByteArray("\xFF\xFE\xFF\xFE" "0\0" "1\0\r\0\n\0", 12),
        QByteArray("\xFE\xFF\xFE\xFF" "\0" "0\0" "1\0\r\0\n", 12),
    };
    for (const QByteArray& bytes : faelle) {
        TGenKodierung k = TGenKodierung::Windows1252;
        const QStringList zeilen = GenZeilen(bytes, &k);
        EXPECT_EQ(zeilen, QStringList{QString(QChar(0xFEFF)) + QStringLiteral("01")}) << bytes.toHex().constData();
        EXPECT_EQ(GenBytes(zeilen, k), bytes) << bytes.toHex().constData();
    }
}

TEST(GenDatei, FortyOneLinesKeepAllLinesButCountForty)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("lang.gen"));
    schreiben(pfad, chromosomenDatei(41));
    QStringList liste{QStringLiteral("alt")};
    std::int32_t anzahl = 20;
    TGenKodierung k = TGenKodierung::Utf8;
    const TGenErgebnis e = GenDateiLaden(pfad, liste, anzahl, k);
    ASSERT_EQ(e.meldungen.size(), 1);
    EXPECT_EQ(e.meldungen[0], (TMeldung{MeldungsArt::Warnung, SuchTexte::maximal40}));
    EXPECT_EQ(anzahl, 40);
    EXPECT_EQ(liste.size(), 41);
    EXPECT_EQ(k, TGenKodierung::Windows1252);
    EXPECT_TRUE(ChromosomenlistePruefen(liste));
    EXPECT_EQ(e.titel, QStringLiteral("Genetische Regelsuche [") + QFileInfo(pfad).absoluteFilePath() + ']');
}

TEST(GenDatei, OneLineCountsZeroAndFailsTheListCheck)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("kurz.gen"));
    schreiben(pfad, chromosomenDatei(1));
    QStringList liste;
    std::int32_t anzahl = 20;
    TGenKodierung k{};
    const TGenErgebnis e = GenDateiLaden(pfad, liste, anzahl, k);
    ASSERT_EQ(e.meldungen.size(), 1);
    EXPECT_EQ(e.meldungen[0], (TMeldung{MeldungsArt::Warnung, SuchTexte::minimal2}));
    EXPECT_EQ(anzahl, 0);
    EXPECT_EQ(liste.size(), 1);
    EXPECT_FALSE(ChromosomenlistePruefen(liste));
}

TEST(GenDatei, HandBrokenListIsSavedAsItStandsAndLoadsBack)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("kaputt.gen"));
    const QStringList liste{QString(96, QLatin1Char('0')), QStringLiteral("01 10"), QString(),
                            QStringLiteral("Grüße"), QString(97, QLatin1Char('1'))};
    const TGenErgebnis e = GenDateiSpeichern(pfad, liste);
    EXPECT_TRUE(e.meldungen.isEmpty());
    EXPECT_FALSE(e.dateifehler);
    EXPECT_EQ(e.titel, GenTitel(pfad));
    EXPECT_EQ(lesen(pfad), QByteArray(96, '0') + "\r\n01 10\r\n\r\nGr\xFC\xDF" "e\r\n" + QByteArray(97, '1') + "\r\n");

    QStringList geladen;
    std::int32_t anzahl = 0;
    TGenKodierung k{};
    GenDateiLaden(pfad, geladen, anzahl, k);
    EXPECT_EQ(geladen, liste);
    EXPECT_EQ(anzahl, 5);
    EXPECT_EQ(lesen(pfad).size(), 98 + 7 + 2 + 7 + 99);
}

// A missing file and what cannot be a list: a folder, a device that never
// ends, a pipe without a writer (no hang), a file far too large, a line longer
// than any chromosome. None is read into the list; nothing is written.
TEST(GenDatei, UnreadableFileEmptiesTheListAndKeepsCountAndCaption)
{
    QTemporaryDir dir;
    sonderdatei::pipe(dir.filePath(QStringLiteral("pipe.gen")));
    sonderdatei::gross(dir.filePath(QStringLiteral("gross.gen")), MaxGendateiGroesse + 1);
    schreiben(dir.filePath(QStringLiteral("zeile.gen")),
              chromosomenDatei(2) + QByteArray(MaxGenZeilenlaenge + 1, '0') + "\r\n");
    const QString keineDatei =
        QStringLiteral("\rDas ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.");
    const struct {
        QString pfad;
        QString grund;
    } faelle[] = {
        {dir.filePath(QStringLiteral("fehlt.gen")), QString()},
        {dir.path(), keineDatei},
        {QStringLiteral("/dev/zero"), keineDatei},
        {dir.filePath(QStringLiteral("pipe.gen")), keineDatei},
        {dir.filePath(QStringLiteral("gross.gen")),
         QStringLiteral("\rDie Datei ist größer als 16 MB und damit keine Chromosomenliste.")},
        {dir.filePath(QStringLiteral("zeile.gen")),
         QStringLiteral("\rEine Zeile der Datei ist länger als 1000 Zeichen; die Datei ist keine Chromosomenliste.")},
    };
    const QStringList vorher = sonderdatei::inhalt(dir.path());
    for (const auto& f : faelle) {
        QStringList liste{QStringLiteral("alt")};
        std::int32_t anzahl = 12;
        TGenKodierung k = TGenKodierung::Utf16BE;
        const TGenErgebnis e = GenDateiLaden(f.pfad, liste, anzahl, k);
        ASSERT_EQ(e.meldungen.size(), 1);
        EXPECT_EQ(e.meldungen[0].art, MeldungsArt::Fehler);
        EXPECT_EQ(e.meldungen[0].text,
                  QStringLiteral("Die Gen-Datei konnte nicht gelesen werden:\r") + f.pfad + f.grund);
        EXPECT_TRUE(e.dateifehler);
        EXPECT_FALSE(e.titel);
        EXPECT_TRUE(liste.isEmpty());
        EXPECT_EQ(anzahl, 12);
        EXPECT_EQ(k, TGenKodierung::Utf16BE);
    }
    EXPECT_EQ(sonderdatei::inhalt(dir.path()), vorher);

    // The longest line is read.
    schreiben(dir.filePath(QStringLiteral("lang.gen")), chromosomenDatei(2) + QByteArray(MaxGenZeilenlaenge, '1'));
    QStringList liste;
    std::int32_t anzahl = 0;
    TGenKodierung k{};
    EXPECT_TRUE(GenDateiLaden(dir.filePath(QStringLiteral("lang.gen")), liste, anzahl, k).meldungen.isEmpty());
    EXPECT_EQ(liste.size(), 3);
}

// A save killed between writing its temporary copy and putting it in place
// leaves the copy beside the file; the next save of that file removes it, and
// nothing else.
TEST(GenDatei, SaveRemovesTheTemporaryCopiesAnEarlierSaveOfTheFileLeft)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.gen"));
    schreiben(pfad, chromosomenDatei(2));
    const QString kopie = pfad + QLatin1String(TemporaerKennung);
    schreiben(kopie + QStringLiteral("Xy3aB9"), chromosomenDatei(3));
    schreiben(dir.filePath(QStringLiteral(".a.gen.tarvik-Xy3aB9")), "x");
    const QStringList fremde = {QStringLiteral("a.gen.backup"), QStringLiteral("a.gen.tarvik-Xy3aB"),
                                QStringLiteral("a.gen.tarvik-Xy3aB9c"), QStringLiteral("a.gen.tarvik-Xy3a.9"),
                                QStringLiteral("b.gen.tarvik-Xy3aB9"), QStringLiteral("aa.gen.tarvik-Xy3aB9")};
    for (const QString& name : fremde)
        schreiben(dir.filePath(name), "fremd");
    QDir(dir.path()).mkdir(QStringLiteral("a.gen.tarvik-Ordner"));
    ASSERT_TRUE(QFile::link(pfad, kopie + QStringLiteral("Link12")));

    ASSERT_TRUE(GenDateiSpeichern(pfad, {QStringLiteral("01")}).meldungen.isEmpty());
    EXPECT_EQ(lesen(pfad), QByteArray("01\r\n"));
    QStringList bleiben = fremde;
    bleiben << QStringLiteral(".a.gen.tarvik-Xy3aB9") << QStringLiteral("a.gen") << QStringLiteral("a.gen.tarvik-Link12")
            << QStringLiteral("a.gen.tarvik-Ordner");
    bleiben.sort();
    EXPECT_EQ(sonderdatei::inhalt(dir.path()), bleiben);
}

TEST(GenDatei, FailedSaveIsReported)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fehlt/x.gen"));
    const TGenErgebnis e = GenDateiSpeichern(pfad, {QStringLiteral("01")});
    ASSERT_EQ(e.meldungen.size(), 1);
    EXPECT_EQ(e.meldungen[0].text, SuchTexte::genNichtGespeichert + QDir::toNativeSeparators(pfad));
    EXPECT_TRUE(e.dateifehler);
    EXPECT_FALSE(e.titel);
}

} // namespace
