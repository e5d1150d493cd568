#pragma once

#include "plant/pendel.h"
#include "search/evolution.h"
#include "forms/verlaufform.h"
#include "search/gendatei.h"

#include <QDialog>
#include <QImage>

#include <cstdint>
#include <optional>

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextCursor;
class TCRegelform;
class TIntEdit;
class TKoordinatensystem;
class TParameterForm;
class TProtokollform;
class TSingEdit;

// "Genetische Regelsuche": the chromosome list, the commands of the search,
// its displays and the plot on which every test run is drawn. The window is
// the engine's observer. The parameter dialog, the log and the rule view are
// created and owned by the opener, which hands them in.
class TSuchenForm : public QDialog, public TSuchBeobachter {
    Q_OBJECT
public:
    static inline const QString FrageAbbrechen =
        QStringLiteral("Wollen Sie die Genetische Regelsuche\rwirklich abbrechen?");
    static inline const QString FrageNeuErzeugen = QStringLiteral(
        "Die Anzahl der bestehenden Chromosomen stimmt nicht mit der gewünschten Anzahl überein. "
        "Soll die bestehende Chromosomenliste neu erzeugt werden?");
    static inline const QString AnzahlGerade = QStringLiteral("Die Anzahl der Chromosomen muß gerade sein!");
    // Screen refreshes and event hand-overs during a fast search, in ms: often
    // enough for the eye and for Stop, rare enough to cost next to nothing.
    static constexpr std::uint32_t Bildtakt = 25;
    // The list is rewritten less often: its many digits cost more to lay out
    // than everything else, and nobody reads them at that pace.
    static constexpr std::uint32_t Listentakt = 250;

    TSuchenForm(TParameterForm& parameterform, TProtokollform& protokollform, TCRegelform& cregelform,
                QWidget* parent = nullptr);
    ~TSuchenForm() override;

    TEvolution& Evolution() { return evolution; }
    // A scripted or seeded source for tests; activation then no longer seeds
    // from the clock. None: the engine's own source again.
    void setZufall(TZufall* zufall);

    // Copies the project's variables into the search's own.
    void VariablenUebernehmen(const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang);
    // What the window does when it opens: the chromosome number back to 1.
    void oeffnen();
    // What it does whenever it becomes active: the random source is seeded
    // from the clock.
    void aktivieren();

    // Commands.
    void ErzeugenButtonClick();
    void LadenButtonClick();
    void SpeichernButtonClick();
    void RegeltabelleClick();
    void StartButtonClick();
    void StopButtonClick();
    void ParameterButtonClick();
    void ProtokollbuttonClick();
    // Shows the progress curve beside the window; it follows the search.
    void VerlaufButtonClick();
    // A click in the list chooses the chromosome under the caret; a double
    // click also shows its rules.
    void Memo1Click(const QTextCursor& caret);
    void Memo1DblClick(const QTextCursor& caret);

    // The chromosome "Regeln" translates: the field's value.
    int Regelnummer() const;
    // The lines of the text area; a line end after the last line adds no line.
    QStringList MemoZeilen() const;

    QPlainTextEdit* Memo1() const { return memo; }
    QPushButton* ErzeugenButton() const { return erzeugenKnopf; }
    QPushButton* LadenButton() const { return ladenKnopf; }
    QPushButton* SpeichernButton() const { return speichernKnopf; }
    QPushButton* Regeltabelle() const { return regelnKnopf; }
    QSpinBox* SpinEdit1() const { return nummernFeld; }
    QPushButton* StartButton() const { return startKnopf; }
    QPushButton* StopButton() const { return stopKnopf; }
    QPushButton* ParameterButton() const { return parameterKnopf; }
    QPushButton* Protokollbutton() const { return protokollKnopf; }
    QPushButton* VerlaufButton() const { return verlaufKnopf; }
    TVerlaufform& Verlaufform() const { return *verlaufform; }
    QRadioButton* Echtzeit() const { return echtzeitKnopf; }
    QRadioButton* MoeglichstSchnell() const { return schnellKnopf; }
    QPushButton* OKBtn() const { return okKnopf; }
    QPushButton* HelpBtn() const { return hilfeKnopf; }
    TKoordinatensystem* Koordinatensystem1() const { return plot; }
    TIntEdit* IntEdit3() const { return generationFeld; }
    TIntEdit* IntEdit1() const { return chromosomFeld; }
    TIntEdit* IntEdit2() const { return testlaufFeld; }
    TSingEdit* EditZeit() const { return zeitFeld; }
    TSingEdit* SingEdit2() const { return einzelnoteFeld; }
    TSingEdit* SingEdit1() const { return chrNoteFeld; }
    TSingEdit* SingEdit3() const { return genNoteFeld; }

    // OK, Escape and the close box: while a search runs, closing asks first,
    // and a confirmed close stops the search and completes once its loop has
    // returned.
    void done(int ergebnis) override;

    // The engine's observer.
    void zeigeGeneration(int generation) override;
    void zeigeChromosomNr(int i) override;
    void zeigeTestlaufNr(int k) override;
    void zeigeZeit(float zeit) override;
    void zeigeEinzelnote(float note) override;
    void zeigeChrNote(float note) override;
    void zeigeGenNote(float note) override;
    void protokollLeeren() override;
    bool protokolliere(const QString& zeile) override;
    void plotLoeschen() override;
    void zielmarke() override;
    void zeigePendel(const TPendel& pendel) override;
    void pause(int millisekunden) override;
    void ereignisse() override;
    void meldung(const TMeldung& m) override;
    void listeGeaendert(const QStringList& liste) override;
    void generationBeendet(int generation) override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void steuerungAnlegen();
    void anzeigenAnlegen();
    // The engine's list from the text area (not while a search runs: then
    // the engine owns the list and the text area shows it).
    void listeAusMemo();
    void setAnzahlGrenze(int anzahl);
    void laufSperren(bool laeuft);
    // Brings the plot and the clock display up to the last step.
    // Brings the plot and the displays up to the last step; the list only
    // every Listentakt ms unless `alles`.
    void bildNachfuehren(bool alles = true);
    void protokollNachtragen();
    void memoSchreiben(const QStringList& liste);
    void Koordinatensystem1Paint(TKoordinatensystem& k);
    void plotLeeren();
    void zielmarkeZeichnen();

    TParameterForm& parameterform;
    TProtokollform& protokollform;
    TCRegelform& cregelform;
    TEvolution evolution;
    TGenKodierung kodierung = TGenKodierung::Windows1252;
    bool eigenerZufall = true;
    // The result of a close that waits for the search's loop to return.
    std::optional<int> schliessen;

    // The crane as the image shows it and as the engine last asked for it.
    // XOR pairs cancel, so only the newest picture is drawn at each refresh.
    struct TKranbild {
        float x = 0;
        float phi = 0;
        float laenge = 0;
        bool typ = false;
        friend bool operator==(const TKranbild&, const TKranbild&) = default;
    };
    static TKranbild kranbild(const TPendel& p);
    std::optional<TPendel> gezeichnet;
    // The engine's plant does not change between its last picture and the
    // next refresh, so only its drawn values are noted at every step.
    std::optional<TKranbild> gewuenscht;
    const TPendel* gewuenschtesPendel = nullptr;
    // Display values waiting for the next refresh.
    struct TAnzeigen {
        std::optional<int> chromosomNr, testlaufNr;
        std::optional<float> zeit, einzelnote, chrNote;
    } anzeigen;
    // The cleared plot with its grid: every test run starts from it. Runs are
    // often shorter than the grid takes to draw, so clearing and the target
    // mark wait for the next refresh like the crane.
    QImage leeresBild;
    bool loeschenOffen = false;
    bool markeOffen = false;
    // The list written back and the log lines, shown at the next refresh
    // too: generations of short runs come faster than the eye can follow.
    std::optional<QStringList> listeOffen;
    QStringList protokollOffen;
    QList<TNotenPunkt> verlaufOffen;
    int protokollPlatz = 0;
    int ungezaehlt = 0;
    std::uint32_t letzteUebergabe = 0;
    std::uint32_t letzteListe = 0;
    bool uebergabeGewesen = false;

    QPlainTextEdit* memo = nullptr;
    QPushButton* erzeugenKnopf = nullptr;
    QPushButton* ladenKnopf = nullptr;
    QPushButton* speichernKnopf = nullptr;
    QPushButton* regelnKnopf = nullptr;
    QSpinBox* nummernFeld = nullptr;
    QPushButton* startKnopf = nullptr;
    QPushButton* stopKnopf = nullptr;
    QPushButton* parameterKnopf = nullptr;
    QPushButton* protokollKnopf = nullptr;
    QPushButton* verlaufKnopf = nullptr;
    TVerlaufform* verlaufform = nullptr;
    float letzteGenNote = 0;
    QButtonGroup* tempo = nullptr;
    QRadioButton* echtzeitKnopf = nullptr;
    QRadioButton* schnellKnopf = nullptr;
    QPushButton* okKnopf = nullptr;
    QPushButton* hilfeKnopf = nullptr;
    TKoordinatensystem* plot = nullptr;
    TIntEdit* generationFeld = nullptr;
    TIntEdit* chromosomFeld = nullptr;
    TIntEdit* testlaufFeld = nullptr;
    TSingEdit* zeitFeld = nullptr;
    TSingEdit* einzelnoteFeld = nullptr;
    TSingEdit* chrNoteFeld = nullptr;
    TSingEdit* genNoteFeld = nullptr;
};
