#pragma once

// The four windows of the genetic search as the main window owns them, with
// the crane variables of the examples and a seeded random source.
#include "forms/cregelform.h"
#include "forms/parameterform.h"
#include "forms/protokollform.h"
#include "forms/suchenform.h"
#include "search/kranlauf.h"
#include "search/regelsystem.h"
#include "tests/fuzzy_hilfe.h"

#include <QPlainTextEdit>

#include <array>
#include <functional>

namespace suchfenster {

inline TFuzzy variable(const char* name, float fa, float fb, const std::array<const char*, 4>& namen,
                       const std::array<std::array<float, 4>, 4>& t)
{
    TFuzzy f = fuzzytest::trapezVariable(fa, fb, {t[0], t[1], t[2], t[3]});
    f.setName(QString::fromUtf8(name));
    for (int i = 1; i <= 4; ++i)
        f.setTermname(i, QString::fromUtf8(namen[i - 1]));
    return f;
}

inline TFuzzy position()
{
    return variable("Position", -10, 10, {"weit links", "links", "am Ziel", "rechts"},
                    {{{-10, -10, -1, 1}, {-1, 1, 1.5f, 2}, {1.5f, 2, 2, 2.5f}, {2, 2.5f, 10, 10}}});
}
inline TFuzzy winkel()
{
    return variable("Winkel", -90, 90, {"stark links", "links", "rechts", "stark rechts"},
                    {{{-90, -90, -10, -4}, {-10, -4, -1, 1}, {-1, 1, 4, 10}, {4, 10, 90, 90}}});
}
inline TFuzzy kraft()
{
    return variable("Kraft", -10, 10, {"links", "null", "rechts", "stark rechts"},
                    {{{-10, -10, -5, -1}, {-1.5f, 0, 0, 1.5f}, {1, 5, 5, 9}, {5, 9, 10, 10}}});
}

// The last value of every display the engine set, as the window will show it
// at its next refresh.
struct TAnzeigeWerte {
    int chromosomNr = 0, testlaufNr = 0;
    float zeit = 0, einzelnote = 0, chrNote = 0, genNote = 0, besterBisher = 0;
    friend bool operator==(const TAnzeigeWerte&, const TAnzeigeWerte&) = default;
};

// The search window with hooks where the engine hands events over, where a
// generation and a test run end, and a record of what it was asked to show,
// so that a test can act in the middle of a search.
class TTestSuchenForm : public TSuchenForm {
public:
    using TSuchenForm::TSuchenForm;

    std::function<void()> beiEreignissen;
    std::function<void(int)> nachGeneration;
    std::function<void(int)> nachTestlauf;
    int uebergaben = 0;
    int pendelBilder = 0;
    int echtzeitPausen = 0;
    TAnzeigeWerte werte;

    void ereignisse() override
    {
        ++uebergaben;
        if (beiEreignissen)
            beiEreignissen();
        TSuchenForm::ereignisse();
    }
    void generationBeendet(int generation) override
    {
        TSuchenForm::generationBeendet(generation);
        if (nachGeneration)
            nachGeneration(generation);
    }
    void testlaufBeendet(int k, const TTestlaufErgebnis& ergebnis) override
    {
        TSuchenForm::testlaufBeendet(k, ergebnis);
        if (nachTestlauf)
            nachTestlauf(k);
    }
    void pause(int ms) override
    {
        echtzeitPausen += ms == 50;
        TSuchenForm::pause(ms);
    }
    void zeigePendel(const TPendel& p) override
    {
        ++pendelBilder;
        TSuchenForm::zeigePendel(p);
    }
    void zeigeChromosomNr(int i) override { werte.chromosomNr = i; TSuchenForm::zeigeChromosomNr(i); }
    void zeigeTestlaufNr(int k) override { werte.testlaufNr = k; TSuchenForm::zeigeTestlaufNr(k); }
    void zeigeZeit(float z) override { werte.zeit = z; TSuchenForm::zeigeZeit(z); }
    void zeigeEinzelnote(float n) override { werte.einzelnote = n; TSuchenForm::zeigeEinzelnote(n); }
    void zeigeChrNote(float n) override { werte.chrNote = n; TSuchenForm::zeigeChrNote(n); }
    void zeigeGenNote(float n) override { werte.genNote = n; TSuchenForm::zeigeGenNote(n); }
    void zeigeBesterBisher(float n) override { werte.besterBisher = n; TSuchenForm::zeigeBesterBisher(n); }
};

inline QStringList protokollZeilen(const TProtokollform& p)
{
    const QString text = p.Memo1()->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// Records the headless engine's log.
struct TProtokoll : TSuchBeobachter {
    QStringList zeilen;
    bool protokolliere(const QString& zeile) override
    {
        zeilen.append(zeile);
        return true;
    }
};

struct TFenster {
    TParameterForm parameter;
    TProtokollform protokoll;
    TCRegelform cregel;
    TTestSuchenForm form{parameter, protokoll, cregel};
    TStandardZufall zufall{7};

    TFenster()
    {
        form.setZufall(&zufall);
        form.oeffnen({position(), winkel(), kraft()});
    }
};

} // namespace suchfenster
