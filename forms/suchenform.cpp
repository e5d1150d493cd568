#include "forms/suchenform.h"

#include "forms/cregelform.h"
#include "forms/dialoghilfe.h"
#include "forms/parameterform.h"
#include "forms/protokollform.h"
#include "forms/verlaufform.h"
#include "platform/dateidialog.h"
#include "platform/fensterplatz.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "search/parallelbewertung.h"
#include "search/suchtexte.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextCursor>

#include <algorithm>

namespace {

// Characters of a valid line with its line end: a caret position divided by
// this is the line's index.
constexpr int ZeilenLaenge = 98;

} // namespace

TSuchenForm::TSuchenForm(TParameterForm& parameter, TProtokollform& protokoll, TCRegelform& cregel,
                         QWidget* parent)
    : QDialog(parent)
    , parameterform(parameter)
    , protokollform(protokoll)
    , cregelform(cregel)
{
    DialogRahmen(*this, 628, 421, SuchTexte::titel);
    evolution.setBeobachter(this);
    // "möglichst schnell" grades on every core; "in Echtzeit" the engine
    // grades one run at a time, drawing every step.
    evolution.setThreads(KernAnzahl());
    steuerungAnlegen();
    anzeigenAnlegen();
    anzeige = std::make_unique<TSuchAnzeige>(TSuchAnzeige::TZiele{
        memo1, koordinatensystem1, intEdit3, intEdit1, intEdit2, editZeit, singEdit2, singEdit1, singEdit3,
        &protokollform, verlaufform->Plot(), besterBisherEdit});
    koordinatensystem1->Refresh();
}

TSuchenForm::~TSuchenForm()
{
    evolution.setBeobachter(nullptr);
}

void TSuchenForm::steuerungAnlegen()
{
    memo1 = new QPlainTextEdit(this);
    memo1->setGeometry(8, 8, 609, 193);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(11);
    memo1->setFont(schrift);
    QPalette farben = memo1->palette();
    farben.setColor(QPalette::Text, Qt::black);
    memo1->setPalette(farben);
    memo1->viewport()->installEventFilter(this);

    const int b = 76;
    const int h = 25;
    erzeugenButton = KnopfAnlegen(this, QStringLiteral("Erzeugen"), QRect(8, 208, b, h),
                                  QStringLiteral("Chromosomenliste erzeugen"));
    ladenButton = KnopfAnlegen(this, QStringLiteral("Laden"), QRect(8 + b, 208, b, h),
                               QStringLiteral("Chromosomenliste laden"));
    speichernButton = KnopfAnlegen(this, QStringLiteral("Speichern"), QRect(8 + 2 * b, 208, b, h),
                                   QStringLiteral("Chromosomenliste speichern unter ..."));
    regeltabelle = KnopfAnlegen(this, QStringLiteral("Regeln"), QRect(8 + 3 * b, 208, 60, h),
                                QStringLiteral("Chromosom Nr. ... in Regeln übersetzen"));
    spinEdit1 = new QSpinBox(this);
    spinEdit1->setGeometry(8 + 3 * b + 62, 210, 46, 21);
    spinEdit1->setRange(1, 20);
    spinEdit1->setValue(1);
    spinEdit1->setAccessibleName(QStringLiteral("Chromosom Nr."));

    startButton = KnopfAnlegen(this, QStringLiteral("Start"), QRect(8, 237, b, h),
                               QStringLiteral("genetische Evolution starten"));
    stopButton = KnopfAnlegen(this, QStringLiteral("Stop"), QRect(8 + b, 237, b, h),
                              QStringLiteral("genetische Evolution beenden"));
    parameterButton = KnopfAnlegen(this, QStringLiteral("Parameter"), QRect(8 + 2 * b, 237, b, h),
                                   QStringLiteral("Parameter für die Evolution ändern"));
    protokollbutton = KnopfAnlegen(this, QStringLiteral("Protokoll"), QRect(8 + 3 * b, 237, b, h),
                                   QStringLiteral("Bewertungsprotokoll aller Generationen zeigen"));

    verlaufButton = KnopfAnlegen(this, QStringLiteral("Verlauf"), QRect(256, 272, 64, h),
                                 QStringLiteral("Verlauf der Noten aller Generationen zeigen"));
    verlaufform = new TVerlaufform(this);

    auto* gruppe = new QGroupBox(QStringLiteral("Simulation"), this);
    gruppe->setGeometry(326, 270, 114, 62);
    echtzeit = new QRadioButton(QStringLiteral("in Echtzeit"), gruppe);
    echtzeit->setGeometry(5, 16, 108, 20);
    moeglichstSchnell = new QRadioButton(QStringLiteral("möglichst schnell"), gruppe);
    moeglichstSchnell->setGeometry(5, 36, 108, 20);
    radioGroup1 = new QButtonGroup(this);
    radioGroup1->addButton(echtzeit);
    radioGroup1->addButton(moeglichstSchnell);
    moeglichstSchnell->setChecked(true);

    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(340, 354, 88, h));
    okBtn->setDefault(true);
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(340, 386, 88, h));

    auto* rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rahmen->setGeometry(8, 272, 241, 113);
    rahmen->setAutoFillBackground(true);
    QPalette weiss = rahmen->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    rahmen->setPalette(weiss);
    koordinatensystem1 = new TKoordinatensystem(rahmen);
    koordinatensystem1->setGeometry(2, 2, 237, 109);
    koordinatensystem1->setXBereich(-4, 4);
    koordinatensystem1->setYBereich(-0.1f, 2.5f);
    koordinatensystem1->setSkalenart(TSkala::teilweise);
    koordinatensystem1->setGraphFarbe(Qt::black);
    koordinatensystem1->setKSFarbe(QColor(192, 192, 192));
    koordinatensystem1->setRasteranzahl(8);
    koordinatensystem1->setStiftart(TStiftart::Xor);
    koordinatensystem1->setOnPaint([this](TKoordinatensystem& k) { Koordinatensystem1Paint(k); });

    connect(erzeugenButton, &QPushButton::clicked, this, &TSuchenForm::ErzeugenButtonClick);
    connect(ladenButton, &QPushButton::clicked, this, &TSuchenForm::LadenButtonClick);
    connect(speichernButton, &QPushButton::clicked, this, &TSuchenForm::SpeichernButtonClick);
    connect(regeltabelle, &QPushButton::clicked, this, &TSuchenForm::RegeltabelleClick);
    connect(startButton, &QPushButton::clicked, this, &TSuchenForm::StartButtonClick);
    connect(stopButton, &QPushButton::clicked, this, &TSuchenForm::StopButtonClick);
    connect(parameterButton, &QPushButton::clicked, this, &TSuchenForm::ParameterButtonClick);
    connect(protokollbutton, &QPushButton::clicked, this, &TSuchenForm::ProtokollbuttonClick);
    connect(verlaufButton, &QPushButton::clicked, this, &TSuchenForm::VerlaufButtonClick);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, helpBtn);
    // The engine reads the pace at every step, so a switch takes effect at once.
    connect(echtzeit, &QRadioButton::toggled, this, [this](bool an) { evolution.setEchtzeit(an); });
}

void TSuchenForm::anzeigenAnlegen()
{
    auto feldAnlegen = [](QWidget* gruppe, int y, const QString& text, QLineEdit* feld, const QString& anfang) {
        auto* beschriftung = new QLabel(text, gruppe);
        beschriftung->setGeometry(10, y, 94, 21);
        feld->setParent(gruppe);
        feld->setGeometry(106, y, 70, 21);
        feld->setReadOnly(true);
        feld->setFocusPolicy(Qt::NoFocus);
        feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette grau = feld->palette();
        grau.setColor(QPalette::Base, QColor(224, 224, 224));
        feld->setPalette(grau);
        feld->setText(anfang);
    };
    const QString nullZahl = IntEditText(0);
    const QString nullNote = SingEditText(0);

    // Four fields in each group, 23 pixels apart.
    auto* lauf = new QGroupBox(this);
    lauf->setGeometry(444, 204, 176, 102);
    intEdit3 = new TIntEdit;
    intEdit1 = new TIntEdit;
    intEdit2 = new TIntEdit;
    editZeit = new TSingEdit;
    feldAnlegen(lauf, 6, QStringLiteral("Generation:"), intEdit3, nullZahl);
    feldAnlegen(lauf, 29, QStringLiteral("ChromosomNr."), intEdit1, nullZahl);
    feldAnlegen(lauf, 52, QStringLiteral("TestlaufNr."), intEdit2, nullZahl);
    feldAnlegen(lauf, 75, QStringLiteral("Zeit"), editZeit, nullNote);

    auto* noten = new QGroupBox(this);
    noten->setGeometry(444, 310, 176, 104);
    singEdit2 = new TSingEdit;
    singEdit1 = new TSingEdit;
    singEdit3 = new TSingEdit;
    besterBisherEdit = new TSingEdit;
    feldAnlegen(noten, 6, QStringLiteral("letzte Einzelnote"), singEdit2, nullNote);
    feldAnlegen(noten, 29, QStringLiteral("letzte ChrNote:"), singEdit1, nullNote);
    feldAnlegen(noten, 52, QStringLiteral("letzte GenNote:"), singEdit3, nullNote);
    feldAnlegen(noten, 75, QStringLiteral("Bester bisher:"), besterBisherEdit, nullNote);
    HinweisSetzen(besterBisherEdit, QStringLiteral("niedrigste ChrNote dieser Suche; \"Regeln\" zeigt das Chromosom"));

    // What a replay of test runs reports, under the plot.
    wiedergabeText = new QLabel(this);
    wiedergabeText->setGeometry(8, 388, 328, 30);
    wiedergabeText->setWordWrap(true);
    wiedergabeText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TSuchenForm::Koordinatensystem1Paint(TKoordinatensystem& k)
{
    k.Neu();
    k.Ks();
}

void TSuchenForm::setZufall(TZufall* zufall)
{
    evolution.setZufall(zufall);
    eigenerZufall = zufall == nullptr;
}

void TSuchenForm::oeffnen(const TSuchVariablen& daten)
{
    evolution.VariablenUebernehmen(daten);
    spinEdit1->setValue(1);
    okBtn->setFocus();
}

void TSuchenForm::zufallSaeen()
{
    if (!eigenerZufall)
        return;
    if (auto* quelle = dynamic_cast<TStandardZufall*>(&evolution.zufall()))
        quelle->SaeenAusUhr();
}

bool TSuchenForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        zufallSaeen();
    return QDialog::event(e);
}

bool TSuchenForm::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == memo1->viewport()) {
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            // The press has put the caret under the mouse.
            Memo1Click(memo1->textCursor());
        } else if (e->type() == QEvent::MouseButtonDblClick
                   && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            Memo1DblClick(memo1->textCursor());
            return true;
        }
    }
    return QDialog::eventFilter(objekt, e);
}

QStringList TSuchenForm::MemoZeilen() const
{
    const QString text = memo1->toPlainText();
    if (text.isEmpty())
        return {};
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (zeilen.size() > 1 && zeilen.constLast().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

void TSuchenForm::listeAusMemo()
{
    if (!evolution.laeuft())
        evolution.setListe(MemoZeilen());
}

int TSuchenForm::Regelnummer() const
{
    return spinEdit1->value();
}

void TSuchenForm::setAnzahlGrenze(int anzahl)
{
    // A maximum below the minimum would silently lower the minimum to 0.
    spinEdit1->setMaximum(std::max(1, anzahl));
}

void TSuchenForm::laufSperren(bool laeuft)
{
    // Whatever changes the list, its length or the rates must wait for the
    // loop: the next generation would overwrite it.
    erzeugenButton->setEnabled(!laeuft);
    ladenButton->setEnabled(!laeuft);
    parameterButton->setEnabled(!laeuft);
    startButton->setEnabled(!laeuft);
    memo1->setReadOnly(laeuft);
}

void TSuchenForm::ErzeugenButtonClick()
{
    if (evolution.laeuft() || wiedergabe)
        return;
    evolution.Erzeugen();
    kodierung = TGenKodierung::Windows1252;
    setWindowTitle(SuchTexte::titelNeu);
}

TDateiDialog TSuchenForm::genDialog(TDateiDialog::Art art, const QString& titel) const
{
    TDateiDialog dialog;
    dialog.art = art;
    dialog.titel = titel;
    dialog.filter = QStringLiteral("Gen-Datei (*.gen)");
    dialog.standardEndung = QStringLiteral("gen");
    // A name that ends in a separator names only the folder.
    if (!letzteListe.isEmpty())
        dialog.vorschlag = letzteListe;
    else if (!anbindung_.beispielOrdner.isEmpty())
        dialog.vorschlag = QDir(anbindung_.beispielOrdner).absolutePath() + QLatin1Char('/');
    dialog.hilfeSeite = HilfeSeite::Suche;
    return dialog;
}

void TSuchenForm::LadenButtonClick()
{
    if (evolution.laeuft() || wiedergabe)
        return;
    const auto name = DateiDialog(genDialog(TDateiDialog::Art::Oeffnen, QStringLiteral("Gen-Datei laden")));
    if (!name)
        return;
    QStringList liste;
    std::int32_t anzahl = evolution.ChromosomenAnzahl();
    const TGenErgebnis ergebnis = GenDateiLaden(*name, liste, anzahl, kodierung);
    evolution.setListe(liste);
    evolution.setChromosomenAnzahl(anzahl);
    listeGeaendert(liste);
    for (const TMeldung& m : ergebnis.meldungen)
        Meldung(m);
    if (!ergebnis.dateifehler) {
        setAnzahlGrenze(anzahl);
        letzteListe = QFileInfo(*name).absoluteFilePath();
    }
    if (ergebnis.titel)
        setWindowTitle(*ergebnis.titel);
}

void TSuchenForm::SpeichernButtonClick()
{
    const auto name = DateiDialog(genDialog(TDateiDialog::Art::Speichern, QStringLiteral("Gen-Datei speichern")));
    if (!name)
        return;
    listeAusMemo();
    const TGenErgebnis ergebnis = GenDateiSpeichern(*name, evolution.Liste(), kodierung);
    for (const TMeldung& m : ergebnis.meldungen)
        Meldung(m);
    if (!ergebnis.dateifehler)
        letzteListe = QFileInfo(*name).absoluteFilePath();
    if (ergebnis.titel)
        setWindowTitle(*ergebnis.titel);
}

void TSuchenForm::RegeltabelleClick()
{
    listeAusMemo();
    const QStringList& liste = evolution.Liste();
    if (liste.isEmpty())
        return;
    const int nr = Regelnummer();
    // A number beyond the list or a line edited into no chromosome would
    // decode rubbish.
    const std::optional<TRegelsystem> rs = nr >= 1 && nr <= liste.size() ? ChromosomLesen(liste[nr - 1])
                                                                          : std::nullopt;
    if (!rs) {
        Meldung(MeldungsArt::Fehler, SuchTexte::listeFalsch);
        return;
    }
    cregelform.oeffnen(TRegelsystemDaten{evolution.EingangA(), evolution.EingangB(), evolution.Ausgang(), *rs, nr,
                                         evolution.BesterBisher(), !evolution.laeuft() && !wiedergabe});
    cregelform.setUebernahme(anbindung_.regeltabUebernehmen);
    if (ZeigeModal(cregelform) == QDialog::Accepted && cregelform.TestlaeufeGewuenscht())
        TestlaeufeZeigen(cregelform.Gezeigt());
}

void TSuchenForm::Memo1Click(const QTextCursor& caret)
{
    // Counted as the list's file has it: a line end is two characters.
    const int position = caret.position() + caret.blockNumber();
    spinEdit1->setValue(position / ZeilenLaenge + 1);
}

void TSuchenForm::Memo1DblClick(const QTextCursor& caret)
{
    Memo1Click(caret);
    RegeltabelleClick();
}

void TSuchenForm::ParameterButtonClick()
{
    if (evolution.laeuft() || wiedergabe)
        return;
    parameterform.oeffnen(evolution.Parameter());
    if (ZeigeModal(parameterform) == QDialog::Accepted) {
        evolution.setParameter(parameterform.Ergebnis());
        setAnzahlGrenze(evolution.ChromosomenAnzahl());
        spinEdit1->setValue(1);
    }
    listeAusMemo();
    const qsizetype zeilen = evolution.Liste().size();
    const TAnzahlAbgleich abgleich = AnzahlAbgleichen(evolution.ChromosomenAnzahl(), zeilen);
    if (abgleich.ungerade)
        Meldung(MeldungsArt::Warnung, SuchTexte::anzahlGerade);
    if (!abgleich.listeWeichtAb)
        return;
    if (Meldung(MeldungsArt::Warnung, SuchTexte::frageNeuErzeugen, true) == Antwort::Ja) {
        ErzeugenButtonClick();
        return;
    }
    const TAnzahlAusZeilen ausZeilen = AnzahlAusZeilen(zeilen);
    if (ausZeilen.meldung)
        Meldung(*ausZeilen.meldung);
    evolution.setChromosomenAnzahl(ausZeilen.anzahl);
    setAnzahlGrenze(ausZeilen.anzahl);
}

void TSuchenForm::ProtokollbuttonClick()
{
    anzeige->protokollNachtragen();
    ZeigeModal(protokollform);
}

void TSuchenForm::VerlaufButtonClick()
{
    if (!verlaufform->isVisible())
        DanebenPlatzieren(*verlaufform, this);
    verlaufform->show();
    verlaufform->raise();
    verlaufform->activateWindow();
}

