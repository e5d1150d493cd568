// The ini reader and writer of tarvik.ini.
#include "core/ini.h"

#include <QDir>
#include <QTemporaryDir>

#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"
#include "tests/sonderdateien.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Beispiel = "; von Hand\r\n"
                            "[extern]\r\n"
                            "  ANZAHL =  3 \r\n"
                            "programm1= sim pro \r\n"
                            "Programm1=zweiter\r\n"
                            "\r\n"
                            "[Extension]\r\n"
                            "Eintrag=1\r\n"
                            "Tamsor = 0\r\n"
                            "[Fremd]\r\n"
                            "Anzahl=9\r\n";

TEST(IniLesen, NamesIgnoreCaseBlanksAroundNamesAndValuesAreDropped)
{
    const TIniDatei ini(Beispiel);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Extern"), QStringLiteral("Anzahl"), 0), 3);
    // The first of two equal keys counts; blanks inside the value stay.
    EXPECT_EQ(ini.ReadString(QStringLiteral("EXTERN"), QStringLiteral("Programm1"), QString()), QStringLiteral("sim pro"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Extern"), QStringLiteral("Programm2"), QStringLiteral("Nix")),
              QStringLiteral("Nix"));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("extension"), QStringLiteral("eintrag"), false));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("Extension"), QStringLiteral("Tamsor"), true));
    // A key belongs to its own section only.
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Fremd"), QStringLiteral("Anzahl"), 0), 9);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Extension"), QStringLiteral("Anzahl"), -1), -1);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Fehlt"), QStringLiteral("Anzahl"), 4), 4);
}

// Readers that name the line of a mistake see every line but blanks and comments.
TEST(IniLesen, EntriesListSectionsKeysAndLinesNotUnderstoodWithTheirNumbers)
{
    const TIniDatei ini(QByteArray("vorher=1\n"
                                   "; Kommentar\n"
                                   "\n"
                                   "[ Start ]\n"
                                   "  Winkel = 10 \n"
                                   "kein Eintrag\n"
                                   "=leer\n"
                                   "[Ende\n"));
    using A = TIniZeile::Art;
    const QList<TIniZeile> z = ini.Eintraege();
    ASSERT_EQ(z.size(), 6);
    struct Erwartet {
        qsizetype nummer;
        A art;
        QString abschnitt, schluessel, wert;
    };
    const Erwartet erwartet[] = {
        {1, A::Eintrag, QString(), QStringLiteral("vorher"), QStringLiteral("1")},
        {4, A::Abschnitt, QStringLiteral("Start"), QString(), QString()},
        {5, A::Eintrag, QStringLiteral("Start"), QStringLiteral("Winkel"), QStringLiteral("10")},
        {6, A::Unverstanden, QStringLiteral("Start"), QString(), QStringLiteral("kein Eintrag")},
        {7, A::Unverstanden, QStringLiteral("Start"), QString(), QStringLiteral("=leer")},
        {8, A::Unverstanden, QStringLiteral("Start"), QString(), QStringLiteral("[Ende")},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(z[i].nummer, erwartet[i].nummer);
        EXPECT_EQ(z[i].art, erwartet[i].art);
        EXPECT_EQ(z[i].abschnitt, erwartet[i].abschnitt);
        EXPECT_EQ(z[i].schluessel, erwartet[i].schluessel);
        EXPECT_EQ(z[i].wert, erwartet[i].wert);
    }
    EXPECT_TRUE(z[0].abschnitt.isNull());
}

TEST(IniLesen, AValueThatIsNoIntegerReadsAsTheDefault)
{
    const struct {
        const char* wert;
        int zahl;
        bool wahr;
    } faelle[] = {
        {"0", 0, false},         {"1", 1, true},          {"-2", -2, true},         {"+7", 7, true},
        {"007", 7, true},        {"2147483647", 2147483647, true}, {"-2147483648", -2147483648LL, true},
        {"2147483648", 42, true}, {"12abc", 42, true},    {"1.5", 42, true},        {"", 42, true},
        {"ja", 42, true},        {"- 3", 42, true},       {"++3", 42, true},        {"0x10", 42, true},
        {"1 2", 42, true},
    };
    for (const auto& fall : faelle) {
        const TIniDatei ini(QByteArray("[A]\nk=") + fall.wert + "\n");
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("k"), 42), fall.zahl) << fall.wert;
        EXPECT_EQ(ini.ReadBool(QStringLiteral("A"), QStringLiteral("k"), true), fall.wahr) << fall.wert;
    }
    EXPECT_FALSE(TIniDatei(QByteArray("[A]\nk=nein\n")).ReadBool(QStringLiteral("A"), QStringLiteral("k"), false));
}

TEST(IniLesen, EmptyGarbledAnd8BitFilesDoNotFail)
{
    EXPECT_EQ(TIniDatei().ReadInteger(QStringLiteral("Extern"), QStringLiteral("Anzahl"), 0), 0);
    const TIniDatei kaputt(QByteArray("[Extern\n=5\nAnzahl\n]x[\n\0\0\0", 25));
    EXPECT_EQ(kaputt.ReadInteger(QStringLiteral("Extern"), QStringLiteral("Anzahl"), 0), 0);
    // Written by an 8-bit editor: Windows-1252.
    const TIniDatei alt(QByteArray("[Extern]\nProgramm1=Gr\xF6\xDF" "e\n"));
    EXPECT_EQ(alt.ReadString(QStringLiteral("Extern"), QStringLiteral("Programm1"), QString()), QStringLiteral("Größe"));
    EXPECT_EQ(TIniDatei::Laden(QStringLiteral("/gibt/es/nicht.ini")).Bytes(), QByteArray());
    // A pipe in the file's place, a folder or a file of gigabytes: read as no
    // file, without waiting or reading it.
    QTemporaryDir ordner;
    sonderdatei::pipe(ordner.filePath(QStringLiteral("pipe.ini")));
    sonderdatei::gross(ordner.filePath(QStringLiteral("gross.ini")), qint64(3) << 30);
    for (const QString& name : {QStringLiteral("pipe.ini"), QStringLiteral("gross.ini"), QString()})
        EXPECT_EQ(TIniDatei::Laden(ordner.filePath(name)).Bytes(), QByteArray()) << name.toStdString();
}

TEST(IniSchreiben, ChangesOnlyItsLinesAndKeepsEverythingElse)
{
    TIniDatei ini(Beispiel);
    ini.WriteInteger(QStringLiteral("Extern"), QStringLiteral("Anzahl"), 1);
    ini.WriteString(QStringLiteral("Extern"), QStringLiteral("Programm2"), QStringLiteral("neu"));
    ini.WriteBool(QStringLiteral("EXTENSION"), QStringLiteral("Tamsor"), true);
    ini.WriteString(QStringLiteral("Neu"), QStringLiteral("Schluessel"), QStringLiteral("zwei\r\nZeilen"));
    EXPECT_EQ(ini.Bytes(), QByteArray("; von Hand\n"
                                      "[extern]\n"
                                      "Anzahl=1\n"
                                      "programm1= sim pro \n"
                                      "Programm1=zweiter\n"
                                      "Programm2=neu\n"
                                      "\n"
                                      "[Extension]\n"
                                      "Eintrag=1\n"
                                      "Tamsor=1\n"
                                      "[Fremd]\n"
                                      "Anzahl=9\n"
                                      "\n"
                                      "[Neu]\n"
                                      "Schluessel=zwei  Zeilen\n"));
    ini.DeleteKey(QStringLiteral("extern"), QStringLiteral("PROGRAMM1"));
    EXPECT_FALSE(ini.Vorhanden(QStringLiteral("Extern"), QStringLiteral("Programm1")));
    EXPECT_TRUE(ini.Vorhanden(QStringLiteral("Extern"), QStringLiteral("Programm2")));
    // What was written reads back the same.
    const TIniDatei wieder(ini.Bytes());
    EXPECT_EQ(wieder.ReadInteger(QStringLiteral("Extern"), QStringLiteral("Anzahl"), 0), 1);
    EXPECT_TRUE(wieder.ReadBool(QStringLiteral("Extension"), QStringLiteral("Tamsor"), false));
}

TEST(IniSchreiben, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tarvik.ini"));
    TIniDatei ini;
    ini.WriteString(QStringLiteral("Extern"), QStringLiteral("Programm1"), QStringLiteral("Größe"));
    ASSERT_EQ(ini.Speichern(pfad), SchreibErgebnis::Ok);
    EXPECT_EQ(dateitest::lesen(pfad), QByteArray("[Extern]\nProgramm1=Gr\xC3\xB6\xC3\x9F" "e\n"));
    EXPECT_EQ(TIniDatei::Laden(pfad).ReadString(QStringLiteral("Extern"), QStringLiteral("Programm1"), QString()),
              QStringLiteral("Größe"));

    // A directory in the way of the file cannot be replaced.
    const QString verstellt = dir.filePath(QStringLiteral("ordner.ini"));
    ASSERT_TRUE(QDir().mkdir(verstellt));
    EXPECT_NE(ini.Speichern(verstellt), SchreibErgebnis::Ok);
    EXPECT_NE(ini.Speichern(dir.filePath(QStringLiteral("fehlt/tarvik.ini"))), SchreibErgebnis::Ok);
    EXPECT_TRUE(QFileInfo(verstellt).isDir());
}

} // namespace
