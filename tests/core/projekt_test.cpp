#include "core/projekt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/datei_hilfe.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/gebietsschema.h"
#include "tests/qstring_ausgabe.h"
#include "tests/sonderdateien.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using dateitest::lesen;
using dateitest::schreiben;
using fuzzytest::setzeTerm;

QByteArray zeilen(const QList<QByteArray>& z)
{
    QByteArray b;
    for (const auto& zeile : z)
        b += zeile + "\r\n";
    return b;
}


// The project of the file tests/data/winkel.fuz.
TProjekt winkelProjekt()
{
    TProjekt p;
    p.EingangA.setDefiniert(true);
    p.EingangA.setName(QStringLiteral("Winkel"));
    p.EingangA.setAnzahl(2);
    p.EingangA.setA(-30);
    p.EingangA.setB(30);
    setzeTerm(p.EingangA, 1, QStringLiteral("negativ"), {-30, -30, -10, 0, 1});
    setzeTerm(p.EingangA, 2, QStringLiteral("positiv"), {0, 10, 30, 30, 1});
    p.Ausgang.setDefiniert(true);
    p.Ausgang.setName(QStringLiteral("Kraft"));
    p.Ausgang.setAnzahl(2);
    p.Ausgang.setA(-10);
    p.Ausgang.setB(10);
    setzeTerm(p.Ausgang, 1, QStringLiteral("links"), {-10, -10, -5, 0, 1});
    setzeTerm(p.Ausgang, 2, QStringLiteral("rechts"), {0, 5, 10, 10, 1});
    p.Regeltab(1, 1) = 2;
    p.Regeltab(1, 2) = 1;
    return p;
}

const QString beispielDatei = QStringLiteral(TARVIK_TESTDATA "/winkel.fuz");

struct Projektdatei : testing::Test {
    QTemporaryDir dir;
    QString pfad(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(Projektdatei, WritesTheWorkedExampleByteForByte)
{
    TProjekt p = winkelProjekt();
    p.Dateiname = pfad("winkel.fuz");
    p.Geaendert = true;
    const TDateiErgebnis e = FileSave(p);
    EXPECT_FALSE(e.meldung);
    EXPECT_FALSE(e.dateifehler);
    EXPECT_FALSE(p.Geaendert);
    EXPECT_EQ(lesen(p.Dateiname), lesen(beispielDatei));
}

TEST_F(Projektdatei, ReadsTheWorkedExample)
{
    TProjekt p;
    p.Geaendert = true;
    p.EingangB.setName(QStringLiteral("alt"));
    p.Dateiname = beispielDatei;
    const TDateiErgebnis e = LoadFile(p);
    EXPECT_FALSE(e.meldung);
    EXPECT_EQ(e.titel, QStringLiteral("Tarvik [") + beispielDatei + QStringLiteral("]"));
    EXPECT_FALSE(p.Geaendert);
    const TProjekt soll = winkelProjekt();
    EXPECT_EQ(ProjektBytes(p), ProjektBytes(soll));
    EXPECT_EQ(p.Regeltab, soll.Regeltab);
    EXPECT_EQ(p.EingangA.AbkTermname(2), QStringLiteral("PO"));
    EXPECT_FALSE(p.EingangB.definiert());
    EXPECT_EQ(p.EingangB.Name(), QStringLiteral("alt")) << "an undefined block keeps the old name";
    EXPECT_EQ(p.AusgangKopie.Name(), QStringLiteral("Kraft"));
    EXPECT_EQ(p.AusgangKopie.Term(2, 3), 10);
    EXPECT_EQ(p.Ausgang.Term(3, 5), 1) << "terms above the count hold the cleared values";
}

TEST_F(Projektdatei, EmptyProjectAndZeroTermsRoundTrip)
{
    TProjekt leer;
    leer.Dateiname = pfad("leer.fuz");
    leer.Geaendert = true;
    ASSERT_FALSE(FileSave(leer).meldung);
    QList<QByteArray> erwartet{"", "", ""};
    for (int k = 0; k < 25; ++k)
        erwartet << "0";
    EXPECT_EQ(lesen(leer.Dateiname), zeilen(erwartet));
    TProjekt p = winkelProjekt();
    p.Dateiname = leer.Dateiname;
    EXPECT_FALSE(LoadFile(p).meldung);
    EXPECT_EQ(ProjektBytes(p), ProjektBytes(leer));

    TProjekt ohneTerme;
    ohneTerme.EingangA.setDefiniert(true);
    ohneTerme.EingangA.setName(QStringLiteral("Lage"));
    ohneTerme.EingangA.setA(-1);
    ohneTerme.EingangA.setB(2);
    EXPECT_TRUE(ProjektBytes(ohneTerme).startsWith(zeilen({"Lage", "0", "  -1.00000", "   2.00000", ""})));
    ohneTerme.Dateiname = pfad("null.fuz");
    ASSERT_FALSE(FileSave(ohneTerme).meldung);
    TProjekt zurueck;
    zurueck.Dateiname = ohneTerme.Dateiname;
    EXPECT_FALSE(LoadFile(zurueck).meldung);
    EXPECT_TRUE(zurueck.EingangA.definiert());
    EXPECT_EQ(zurueck.EingangA.Anzahl(), 0);
    EXPECT_EQ(zurueck.EingangA.b(), 2);
}

TEST_F(Projektdatei, RealsRoundToFiveDecimalsAndReadTolerantly)
{
    TProjekt p = winkelProjekt();
    p.EingangA.setTerm(1, 3, 0.123456f);
    const QByteArray bytes = ProjektBytes(p);
    EXPECT_TRUE(bytes.contains("\r\n   0.12346\r\n"));
    QByteArray geaendert = bytes;
    geaendert.replace("\r\n   0.12346\r\n", "\r\n1e3\r\n");
    geaendert.replace("\r\n  10.00000\r\n", "\r\nzehn\r\n"); // term 2, value b
    schreiben(pfad("t.fuz"), geaendert);
    p.Dateiname = pfad("t.fuz");
    EXPECT_FALSE(LoadFile(p).meldung);
    EXPECT_EQ(p.EingangA.Term(1, 3), 1000);
    EXPECT_EQ(p.EingangA.Term(2, 2), 0);
}

TEST_F(Projektdatei, RealBeyondTheFloatRangeReadsAsZeroAndSavesReadably)
{
    // Infinity would be saved as "INF", which reads back as 0: the value
    // would change silently on the next save.
    for (const QByteArray& text : {QByteArray("1e39"), QByteArray("-1e39"), QByteArray("INF")}) {
        QByteArray bytes = ProjektBytes(winkelProjekt());
        bytes.replace("\r\n  -5.00000\r\n", "\r\n" + text + "\r\n"); // output term 1, value c
        schreiben(pfad("gross.fuz"), bytes);
        TProjekt p;
        p.Dateiname = pfad("gross.fuz");
        EXPECT_FALSE(LoadFile(p).meldung) << text.constData();
        EXPECT_EQ(p.Ausgang.Term(1, 3), 0) << text.constData();
        p.Dateiname = pfad("zurueck.fuz");
        ASSERT_FALSE(FileSave(p).meldung);
        const QByteArray gespeichert = lesen(p.Dateiname);
        EXPECT_FALSE(gespeichert.contains("INF")) << text.constData();
        TProjekt q;
        q.Dateiname = p.Dateiname;
        EXPECT_FALSE(LoadFile(q).meldung);
        EXPECT_EQ(ProjektBytes(q), gespeichert);
    }
}

TEST_F(Projektdatei, GermanLocaleSavesAndReadsBackByteIdentical)
{
    TARVIK_DEUTSCH(deutsch);
    TProjekt p = winkelProjekt();
    p.EingangA.setTerm(1, 3, -0.5f);
    p.EingangA.setTerm(2, 2, 2.5f);
    p.Ausgang.setTerm(1, 4, 0.123456f);
    p.Dateiname = pfad("de.fuz");
    ASSERT_FALSE(FileSave(p).meldung);
    const QByteArray gespeichert = lesen(p.Dateiname);
    EXPECT_TRUE(gespeichert.contains("\r\n  -0.50000\r\n"));
    EXPECT_TRUE(gespeichert.contains("\r\n   2.50000\r\n"));
    EXPECT_TRUE(gespeichert.contains("\r\n   0.12346\r\n"));
    EXPECT_FALSE(gespeichert.contains(','));
    TProjekt q;
    q.Dateiname = p.Dateiname;
    ASSERT_FALSE(LoadFile(q).meldung);
    EXPECT_EQ(q.EingangA.Term(1, 3), -0.5f);
    EXPECT_EQ(q.EingangA.Term(2, 2), 2.5f);
    q.Dateiname = pfad("de2.fuz");
    ASSERT_FALSE(FileSave(q).meldung);
    EXPECT_EQ(lesen(q.Dateiname), gespeichert);

    TProjekt beispiel;
    beispiel.Dateiname = beispielDatei;
    ASSERT_FALSE(LoadFile(beispiel).meldung);
    EXPECT_EQ(ProjektBytes(beispiel), lesen(beispielDatei));
}

TEST_F(Projektdatei, TextIsWindows1252AndLfAloneEndsALine)
{
    TProjekt p = winkelProjekt();
    p.EingangA.setName(QStringLiteral("Größe €"));
    p.Ausgang.setTermname(1, QStringLiteral("链"));
    const QByteArray bytes = ProjektBytes(p);
    EXPECT_TRUE(bytes.startsWith("Gr\xf6\xdf" "e \x80\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n?\r\n"));
    QByteArray nurLf = bytes;
    nurLf.replace("\r\n", "\n");
    schreiben(pfad("lf.fuz"), nurLf);
    TProjekt q;
    q.Dateiname = pfad("lf.fuz");
    EXPECT_FALSE(LoadFile(q).meldung);
    EXPECT_EQ(q.EingangA.Name(), QStringLiteral("Größe €"));
    EXPECT_EQ(q.Regeltab(1, 2), 1);
}

struct Kaputt {
    const char* fall;
    QByteArray inhalt;
};

class KaputteDatei : public Projektdatei, public testing::WithParamInterface<Kaputt> {};

TEST_P(KaputteDatei, AbandonsTheLoadAndLeavesAnEmptyProjectNamedNeu)
{
    schreiben(pfad("kaputt.fuz"), GetParam().inhalt);
    TProjekt p = winkelProjekt();
    p.Dateiname = pfad("kaputt.fuz");
    p.Geaendert = true;
    const TDateiErgebnis e = LoadFile(p);
    ASSERT_TRUE(e.meldung);
    EXPECT_EQ(e.meldung->art, MeldungsArt::Fehler);
    EXPECT_EQ(e.meldung->text, QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten. "
                                              "Prüfen Sie nach, ob es sich um eine Fuzzy-Datei handelt!"));
    EXPECT_EQ(p.Dateiname, QStringLiteral("Neu"));
    EXPECT_EQ(e.titel, QStringLiteral("Tarvik [Neu]"));
    EXPECT_FALSE(p.Geaendert);
    for (const TFuzzy* f : {&p.EingangA, &p.EingangB, &p.Ausgang, &p.AusgangKopie}) {
        EXPECT_FALSE(f->definiert());
        EXPECT_EQ(f->Name(), QString());
        EXPECT_EQ(f->Anzahl(), 0);
    }
    EXPECT_EQ(p.Regeltab, TRegeltab{});
}

QByteArray beispielMit(const QByteArray& alt, const QByteArray& neu, int nach = 0)
{
    QByteArray b = lesen(beispielDatei);
    const qsizetype pos = b.indexOf(alt, nach);
    return b.replace(pos, alt.size(), neu);
}

// The first n lines of the example: 33 lines of variable blocks, then 25 rule lines.
QByteArray ersteZeilen(int n)
{
    const QByteArray b = lesen(beispielDatei);
    qsizetype pos = 0;
    for (int i = 0; i < n; ++i)
        pos = b.indexOf("\r\n", pos) + 2;
    return b.left(pos);
}

QByteArray binaer()
{
    QByteArray b;
    for (int i = 0; i < 600; ++i)
        b += static_cast<char>((i * 37 + 11) % 256);
    return b;
}

INSTANTIATE_TEST_SUITE_P(Faelle, KaputteDatei,
    testing::Values(
        Kaputt{"ends right after the variable blocks", ersteZeilen(33)},
        Kaputt{"cut short inside the rule block", ersteZeilen(33 + 10)},
        Kaputt{"cut short inside the output block", ersteZeilen(25)},
        Kaputt{"last rule line missing", ersteZeilen(33 + 24)},
        Kaputt{"letters in an integer line", beispielMit("Winkel\r\n2\r\n", "Winkel\r\nzwei\r\n")},
        Kaputt{"term count 9", beispielMit("Winkel\r\n2\r\n", "Winkel\r\n9\r\n")},
        Kaputt{"term count -1", beispielMit("Winkel\r\n2\r\n", "Winkel\r\n-1\r\n")},
        Kaputt{"rule entry 7", beispielMit("\r\n2\r\n1\r\n", "\r\n2\r\n7\r\n", 400)},
        Kaputt{"binary file", binaer()},
        Kaputt{"empty file", QByteArray()}),
    [](const auto& info) {
        std::string name = info.param.fall;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_F(Projektdatei, FileThatCannotBeOpenedChangesNothing)
{
    TProjekt p = winkelProjekt();
    p.Geaendert = true;
    p.Dateiname = pfad("gibtsnicht.fuz");
    const TDateiErgebnis e = LoadFile(p);
    EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Warnung, QStringLiteral("Daten konnten nicht gelesen werden!")}));
    EXPECT_FALSE(e.titel) << "the caption still names the previous file";
    EXPECT_TRUE(p.Geaendert);
    EXPECT_EQ(ProjektBytes(p), ProjektBytes(winkelProjekt()));
    // A following save writes to the new name.
    EXPECT_FALSE(FileSave(p).meldung);
    EXPECT_EQ(lesen(p.Dateiname), lesen(beispielDatei));
}

// A device that never ends, a pipe without a writer, a folder and a file far
// larger than any project are refused before a byte is read, like a file that
// cannot be opened: no hang, nothing written, the project unchanged.
TEST_F(Projektdatei, WhatIsNoRegularFileOrTooLargeIsRefusedUnread)
{
    sonderdatei::pipe(pfad("pipe.fuz"));
    sonderdatei::gross(pfad("gross.fuz"), MaxProjektdateiGroesse + 1);
    QDir(dir.path()).mkdir(QStringLiteral("ordner.fuz"));
    const QString keineDatei = QStringLiteral(
        "Daten konnten nicht gelesen werden!\r„%1“ ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder "
        "eine Pipe.");
    const QString zuGross =
        QStringLiteral("Daten konnten nicht gelesen werden!\r„%1“ ist größer als 4 MB und damit keine Fuzzy-Datei.");
    const QStringList vorher = sonderdatei::inhalt(dir.path());
    for (const auto& [datei, text] : {std::pair{QStringLiteral("/dev/zero"), keineDatei},
                                      std::pair{pfad("pipe.fuz"), keineDatei},
                                      std::pair{pfad("ordner.fuz"), keineDatei},
                                      std::pair{pfad("gross.fuz"), zuGross}}) {
        TProjekt p = winkelProjekt();
        p.Geaendert = true;
        p.Dateiname = datei;
        const TDateiErgebnis e = LoadFile(p);
        EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Warnung, text.arg(datei)}));
        EXPECT_FALSE(e.titel) << datei.toStdString();
        EXPECT_TRUE(p.Geaendert) << datei.toStdString();
        EXPECT_EQ(ProjektBytes(p), ProjektBytes(winkelProjekt())) << datei.toStdString();
    }
    EXPECT_EQ(sonderdatei::inhalt(dir.path()), vorher);

    // A project followed by ignored lines up to the limit still loads.
    QByteArray randvoll = lesen(beispielDatei);
    randvoll.append(MaxProjektdateiGroesse - randvoll.size(), 'x');
    schreiben(pfad("randvoll.fuz"), randvoll);
    TProjekt p;
    p.Dateiname = pfad("randvoll.fuz");
    EXPECT_FALSE(LoadFile(p).meldung);
    EXPECT_EQ(ProjektBytes(p), ProjektBytes(winkelProjekt()));
}

// Names are kept to a length that every window can show; a file with a longer
// one is abandoned like a broken file, and such a name is not saved.
TEST_F(Projektdatei, NamesLongerThanTheLimitAreNeitherReadNorSaved)
{
    const QByteArray laengster(MaxNamenlaenge, 'n');
    schreiben(pfad("lang.fuz"), beispielMit("Winkel\r\n", laengster + "\r\n"));
    TProjekt p;
    p.Dateiname = pfad("lang.fuz");
    EXPECT_FALSE(LoadFile(p).meldung);
    EXPECT_EQ(p.EingangA.Name(), QString::fromLatin1(laengster));

    const QString meldung = QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten: Ein Name einer "
                                           "Fuzzyvariablen oder eines Terms ist länger als 255 Zeichen.");
    for (const QByteArray& inhalt : {beispielMit("Winkel\r\n", laengster + "n\r\n"),
                                     beispielMit("rechts\r\n", laengster + "n\r\n"),
                                     beispielMit("Kraft\r\n", QByteArray(100000, 'K') + "\r\n")}) {
        schreiben(pfad("zulang.fuz"), inhalt);
        TProjekt q = winkelProjekt();
        q.Dateiname = pfad("zulang.fuz");
        const TDateiErgebnis e = LoadFile(q);
        EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Fehler, meldung}));
        EXPECT_EQ(q.Dateiname, QStringLiteral("Neu"));
        EXPECT_EQ(ProjektBytes(q), ProjektBytes(TProjekt{}));
    }

    schreiben(pfad("alt.fuz"), "alter Inhalt");
    for (const bool termname : {false, true}) {
        TProjekt r = winkelProjekt();
        if (termname)
            r.Ausgang.setTermname(2, QString(MaxNamenlaenge + 1, QLatin1Char('t')));
        else
            r.EingangA.setName(QString(MaxNamenlaenge + 1, QLatin1Char('n')));
        r.Dateiname = pfad("alt.fuz");
        r.Geaendert = true;
        const TDateiErgebnis e = FileSave(r);
        EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Fehler,
                                       QStringLiteral("Ein Name einer Fuzzyvariablen oder eines Terms ist länger als "
                                                      "255 Zeichen und kann so nicht gespeichert werden.\rKürzen Sie "
                                                      "ihn im Variableneditor. Die Datei wurde nicht gespeichert.")}));
        EXPECT_TRUE(e.dateifehler);
        EXPECT_TRUE(r.Geaendert);
        EXPECT_EQ(lesen(r.Dateiname), QByteArray("alter Inhalt"));
    }
}

TEST_F(Projektdatei, SaveWithoutANameWritesNothingAndKeepsTheChanges)
{
    for (const QString& name : {QStringLiteral("Neu"), QString()}) {
        TProjekt p = winkelProjekt();
        p.Dateiname = name;
        p.Geaendert = true;
        const TDateiErgebnis e = FileSave(p);
        EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Fehler, QStringLiteral("Die Datei hat noch keinen Namen.")}));
        EXPECT_FALSE(e.dateifehler);
        EXPECT_TRUE(p.Geaendert);
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("Neu")));
}

TEST_F(Projektdatei, SaveThatCannotCreateTheFileIsAWarning)
{
    TProjekt p = winkelProjekt();
    p.Dateiname = pfad("fehlt/x.fuz");
    p.Geaendert = true;
    const TDateiErgebnis e = FileSave(p);
    EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Warnung, QStringLiteral("Daten konnten nicht gespeichert werden!")}));
    EXPECT_TRUE(e.dateifehler);
    EXPECT_TRUE(p.Geaendert);
}

TEST_F(Projektdatei, DefinedVariableWithoutNameIsRefusedAndTheOldFileKept)
{
    schreiben(pfad("alt.fuz"), "alter Inhalt");
    TProjekt p = winkelProjekt();
    p.Ausgang.setName(QString());
    p.Dateiname = pfad("alt.fuz");
    p.Geaendert = true;
    const TDateiErgebnis e = FileSave(p);
    ASSERT_TRUE(e.meldung);
    EXPECT_EQ(e.meldung->art, MeldungsArt::Fehler);
    EXPECT_EQ(e.meldung->text, ProjektTexte::variableOhneName);
    EXPECT_TRUE(e.dateifehler);
    EXPECT_TRUE(p.Geaendert);
    EXPECT_EQ(lesen(p.Dateiname), QByteArray("alter Inhalt"));
}

// A file size limit makes the write fail part-way, as a full disk would.
TDateiErgebnis speichernAufVollePlatte(TProjekt& p)
{
    rlimit vorher{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorher;
    klein.rlim_cur = 100;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    const TDateiErgebnis e = FileSave(p);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signalVorher);
    return e;
}

TEST_F(Projektdatei, OutputErrorMidSaveKeepsTheOldFile)
{
    schreiben(pfad("alt.fuz"), "alter Inhalt");
    TProjekt p = winkelProjekt();
    p.Dateiname = pfad("alt.fuz");
    p.Geaendert = true;
    const TDateiErgebnis e = speichernAufVollePlatte(p);
    ASSERT_TRUE(e.meldung);
    EXPECT_EQ(e.meldung->art, MeldungsArt::Fehler);
    EXPECT_EQ(e.meldung->text, ProjektTexte::schreibFehler);
    EXPECT_TRUE(e.dateifehler);
    EXPECT_TRUE(p.Geaendert);
    EXPECT_EQ(lesen(p.Dateiname), QByteArray("alter Inhalt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.fuz")}) << "no temporary file left";
}

// Where there was no file, the message speaks of no earlier version.
TEST_F(Projektdatei, OutputErrorSavingANewFileLeavesNoFile)
{
    TProjekt p = winkelProjekt();
    p.Dateiname = pfad("neu.fuz");
    p.Geaendert = true;
    const TDateiErgebnis e = speichernAufVollePlatte(p);
    const QString meldung =
        QStringLiteral("Beim Schreiben der Datei ist ein Fehler aufgetreten.\rDie Datei wurde nicht gespeichert.");
    EXPECT_EQ(e.meldung, (TMeldung{MeldungsArt::Fehler, meldung}));
    EXPECT_TRUE(e.dateifehler);
    EXPECT_TRUE(p.Geaendert);
    EXPECT_EQ(sonderdatei::inhalt(dir.path()), QStringList());
}

// The temporary copy takes the old file's place: a link stays a link, the
// file keeps its permissions, and a pipe or a device is never replaced.
TEST_F(Projektdatei, SaveReplacesTheFileALinkPointsToKeepsItsModeAndNoDevice)
{
    schreiben(pfad("ziel.fuz"), "alt");
    ASSERT_TRUE(QFile::setPermissions(pfad("ziel.fuz"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(pfad("ziel.fuz"), pfad("link.fuz")));
    TProjekt p = winkelProjekt();
    p.Dateiname = pfad("link.fuz");
    ASSERT_FALSE(FileSave(p).meldung);
    EXPECT_TRUE(QFileInfo(pfad("link.fuz")).isSymLink());
    EXPECT_EQ(lesen(pfad("ziel.fuz")), lesen(beispielDatei));
    const QFile::Permissions modus = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                     | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                                     | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(pfad("ziel.fuz")) & modus, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    sonderdatei::pipe(pfad("pipe.fuz"));
    p.Dateiname = pfad("pipe.fuz");
    EXPECT_EQ(FileSave(p).meldung, (TMeldung{MeldungsArt::Warnung, ProjektTexte::nichtGespeichert}));
    EXPECT_FALSE(QFileInfo(pfad("pipe.fuz")).isFile());
    EXPECT_EQ(sonderdatei::inhalt(dir.path()),
              (QStringList{QStringLiteral("link.fuz"), QStringLiteral("pipe.fuz"), QStringLiteral("ziel.fuz")}));
}

} // namespace
