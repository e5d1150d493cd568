#pragma once

#include "core/regeltab.h"
#include "forms/suchanzeige.h"
#include "platform/dateidialog.h"
#include "search/bewertung.h"
#include "search/evolution.h"
#include "search/gendatei.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
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
class TVerlaufform;

// What the search window gets from its opener beside the variables: where the
// chromosome-list dialogs start when no list was loaded or saved yet, and how
// a rule table reaches the project ("In die Regeltabelle übernehmen").
struct TSuchAnbindung {
    QString beispielOrdner;
    std::function<void(const TRegeltab&)> regeltabUebernehmen;
};

// "Genetische Regelsuche": the chromosome list, the commands of the search,
// its displays and the plot on which every test run is drawn. The window is
// the engine's observer and hands what the search shows to its deferred
// display. The parameter dialog, the log and the rule view are created and
// owned by the opener, which hands them in.
class TSuchenForm : public QDialog, public TSuchBeobachter {
    Q_OBJECT
public:
    // How long the last picture of a replayed run stays, in ms.
    static constexpr std::uint32_t WiedergabePause = 800;

    TSuchenForm(TParameterForm& parameterform, TProtokollform& protokollform, TCRegelform& cregelform,
                QWidget* parent = nullptr);
    ~TSuchenForm() override;

    TEvolution& Evolution() { return evolution; }
    // A scripted or seeded source for tests; activation then no longer seeds
    // from the clock. None: the engine's own source again.
    void setZufall(TZufall* zufall);

    // What the window does when it opens: it takes copies of the project's
    // variables, and the chromosome number goes back to 1. Its result is not
    // used.
    void oeffnen(const TSuchVariablen& daten);
    void setAnbindung(TSuchAnbindung anbindung) { anbindung_ = std::move(anbindung); }
    // The list last loaded or saved; its folder is where the list dialogs
    // start.
    const QString& LetzteListe() const { return letzteListe; }

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
    // Replays the ten test runs of a rule system in the plot at real-time
    // pace, each with its Einzelnote and whether it reached the target (not
    // while a search runs). Stop ends the replay.
    void TestlaeufeZeigen(const TRegelsystem& rs);
    bool Wiedergabe() const { return wiedergabe; }
    // A click in the list chooses the chromosome under the caret; a double
    // click also shows its rules.
    void Memo1Click(const QTextCursor& caret);
    void Memo1DblClick(const QTextCursor& caret);

    // The chromosome "Regeln" translates: the field's value.
    int Regelnummer() const;
    // The lines of the text area; a line end after the last line adds no line.
    QStringList MemoZeilen() const;

    QPlainTextEdit* Memo1() const { return memo1; }
    QPushButton* ErzeugenButton() const { return erzeugenButton; }
    QPushButton* LadenButton() const { return ladenButton; }
    QPushButton* SpeichernButton() const { return speichernButton; }
    QPushButton* Regeltabelle() const { return regeltabelle; }
    QSpinBox* SpinEdit1() const { return spinEdit1; }
    QPushButton* StartButton() const { return startButton; }
    QPushButton* StopButton() const { return stopButton; }
    QPushButton* ParameterButton() const { return parameterButton; }
    QPushButton* Protokollbutton() const { return protokollbutton; }
    QPushButton* VerlaufButton() const { return verlaufButton; }
    TVerlaufform& Verlaufform() const { return *verlaufform; }
    QRadioButton* Echtzeit() const { return echtzeit; }
    QRadioButton* MoeglichstSchnell() const { return moeglichstSchnell; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }
    TKoordinatensystem* Koordinatensystem1() const { return koordinatensystem1; }
    TIntEdit* IntEdit3() const { return intEdit3; }
    TIntEdit* IntEdit1() const { return intEdit1; }
    TIntEdit* IntEdit2() const { return intEdit2; }
    TSingEdit* EditZeit() const { return editZeit; }
    TSingEdit* SingEdit2() const { return singEdit2; }
    TSingEdit* SingEdit1() const { return singEdit1; }
    TSingEdit* SingEdit3() const { return singEdit3; }
    TSingEdit* BesterBisherEdit() const { return besterBisherEdit; }
    QLabel* WiedergabeText() const { return wiedergabeText; }

    // OK, Escape and the close box: while a search runs, closing asks first;
    // Yes stops the search, No lets it go on, and either way the window
    // closes once the search's loop has returned. A replay just stops.
    void done(int ergebnis) override;

    // The engine's observer.
    void zeigeGeneration(int generation) override;
    void zeigeChromosomNr(int i) override;
    void zeigeTestlaufNr(int k) override;
    void zeigeZeit(float zeit) override;
    void zeigeEinzelnote(float note) override;
    void zeigeChrNote(float note) override;
    void zeigeGenNote(float note) override;
    void zeigeBesterBisher(float note) override;
    void testlaufBeendet(int k, const TTestlaufErgebnis& ergebnis) override;
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
    // Whenever the window becomes active: the random source is seeded from
    // the clock.
    void zufallSaeen();
    // The engine's list from the text area (not while a search runs: then
    // the engine owns the list and the text area shows it).
    void listeAusMemo();
    void setAnzahlGrenze(int anzahl);
    void laufSperren(bool laeuft);
    void Koordinatensystem1Paint(TKoordinatensystem& k);
    // A chromosome-list dialog that starts where the last list was, else in
    // the examples' folder, and opens the search's help on F1.
    TDateiDialog genDialog(TDateiDialog::Art art, const QString& titel) const;
    // The loop has returned: a close that waited for it completes.
    void schliessenNachLauf();

    TParameterForm& parameterform;
    TProtokollform& protokollform;
    TCRegelform& cregelform;
    TEvolution evolution;
    TGenKodierung kodierung = TGenKodierung::Windows1252;
    bool eigenerZufall = true;
    // The result of a close that waits for the search's loop to return.
    std::optional<int> schliessen;
    // Yes to the question: a further close does not ask again.
    bool abbruchVerlangt = false;
    TSuchAnbindung anbindung_;
    QString letzteListe;
    // The replay of a rule system's test runs, with its own plant and copies.
    bool wiedergabe = false;
    std::atomic<bool> wiedergabeStop{true};
    TKranKopien wiedergabeKopien;
    int wiedergabeErreicht = 0;

    QPlainTextEdit* memo1 = nullptr;
    QPushButton* erzeugenButton = nullptr;
    QPushButton* ladenButton = nullptr;
    QPushButton* speichernButton = nullptr;
    QPushButton* regeltabelle = nullptr;
    QSpinBox* spinEdit1 = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* parameterButton = nullptr;
    QPushButton* protokollbutton = nullptr;
    QPushButton* verlaufButton = nullptr;
    TVerlaufform* verlaufform = nullptr;
    QButtonGroup* radioGroup1 = nullptr;
    QRadioButton* echtzeit = nullptr;
    QRadioButton* moeglichstSchnell = nullptr;
    QPushButton* okBtn = nullptr;
    QPushButton* helpBtn = nullptr;
    TKoordinatensystem* koordinatensystem1 = nullptr;
    TIntEdit* intEdit3 = nullptr;
    TIntEdit* intEdit1 = nullptr;
    TIntEdit* intEdit2 = nullptr;
    TSingEdit* editZeit = nullptr;
    TSingEdit* singEdit2 = nullptr;
    TSingEdit* singEdit1 = nullptr;
    TSingEdit* singEdit3 = nullptr;
    TSingEdit* besterBisherEdit = nullptr;
    QLabel* wiedergabeText = nullptr;

    std::unique_ptr<TSuchAnzeige> anzeige;
};
