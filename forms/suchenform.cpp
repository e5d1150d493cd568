#include "forms/suchenform.h"

#include "forms/cregelform.h"
#include "forms/dialoghilfe.h"
#include "forms/parameterform.h"
#include "forms/protokollform.h"
#include "forms/verlaufform.h"
#include "platform/dateidialog.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "platform/pause.h"
#include "platform/uhr.h"
#include "search/suchtexte.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/pendelzeichnen.h"
#include "widgets/singedit.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace {

// Characters of a valid line with its line end: a caret position divided by
// this is the line's index.
constexpr int ZeilenLaenge = 98;

TDateiDialog genDialog(TDateiDialog::Art art, const QString& titel)
{
    TDateiDialog dialog;
    dialog.art = art;
    dialog.titel = titel;
    dialog.filter = QStringLiteral("Gen-Datei (*.gen)");
    dialog.standardEndung = QStringLiteral("gen");
    return dialog;
}


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
    // The plot draws every step of the run being graded: one thread.
    evolution.setThreads(1);
    steuerungAnlegen();
    anzeigenAnlegen();
    plot->Refresh();
}

TSuchenForm::~TSuchenForm()
{
    evolution.setBeobachter(nullptr);
}

void TSuchenForm::steuerungAnlegen()
{
    memo = new QPlainTextEdit(this);
    memo->setGeometry(8, 8, 609, 193);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(11);
    memo->setFont(schrift);
    QPalette farben = memo->palette();
    farben.setColor(QPalette::Text, Qt::black);
    memo->setPalette(farben);
    memo->viewport()->installEventFilter(this);

    const int b = 76;
    const int h = 25;
    erzeugenKnopf = KnopfAnlegen(this, QStringLiteral("Erzeugen"), QRect(8, 208, b, h),
                                 QStringLiteral("Chromosomenliste erzeugen"));
    ladenKnopf = KnopfAnlegen(this, QStringLiteral("Laden"), QRect(8 + b, 208, b, h),
                              QStringLiteral("Chromosomenliste laden"));
    speichernKnopf = KnopfAnlegen(this, QStringLiteral("Speichern"), QRect(8 + 2 * b, 208, b, h),
                                  QStringLiteral("Chromosomenliste speichern unter ..."));
    regelnKnopf = KnopfAnlegen(this, QStringLiteral("Regeln"), QRect(8 + 3 * b, 208, 60, h),
                               QStringLiteral("Chromosom Nr. ... in Regeln übersetzen"));
    nummernFeld = new QSpinBox(this);
    nummernFeld->setGeometry(8 + 3 * b + 62, 210, 46, 21);
    nummernFeld->setRange(1, 20);
    nummernFeld->setValue(1);
    nummernFeld->setAccessibleName(QStringLiteral("Chromosom Nr."));

    startKnopf = KnopfAnlegen(this, QStringLiteral("Start"), QRect(8, 237, b, h),
                              QStringLiteral("genetische Evolution starten"));
    stopKnopf = KnopfAnlegen(this, QStringLiteral("Stop"), QRect(8 + b, 237, b, h),
                             QStringLiteral("genetische Evolution beenden"));
    parameterKnopf = KnopfAnlegen(this, QStringLiteral("Parameter"), QRect(8 + 2 * b, 237, b, h),
                                  QStringLiteral("Parameter für die Evolution ändern"));
    protokollKnopf = KnopfAnlegen(this, QStringLiteral("Protokoll"), QRect(8 + 3 * b, 237, b, h),
                                  QStringLiteral("Bewertungsprotokoll aller Generationen zeigen"));

    verlaufKnopf = KnopfAnlegen(this, QStringLiteral("Verlauf"), QRect(256, 272, 64, h),
                                QStringLiteral("Verlauf der Noten aller Generationen zeigen"));
    verlaufform = new TVerlaufform(this);

    auto* gruppe = new QGroupBox(QStringLiteral("Simulation"), this);
    gruppe->setGeometry(326, 270, 114, 62);
    echtzeitKnopf = new QRadioButton(QStringLiteral("in Echtzeit"), gruppe);
    echtzeitKnopf->setGeometry(5, 16, 108, 20);
    schnellKnopf = new QRadioButton(QStringLiteral("möglichst schnell"), gruppe);
    schnellKnopf->setGeometry(5, 36, 108, 20);
    tempo = new QButtonGroup(this);
    tempo->addButton(echtzeitKnopf);
    tempo->addButton(schnellKnopf);
    schnellKnopf->setChecked(true);

    okKnopf = KnopfAnlegen(this, QStringLiteral("OK"), QRect(340, 354, 88, h));
    okKnopf->setDefault(true);
    hilfeKnopf = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(340, 386, 88, h));

    auto* rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rahmen->setGeometry(8, 272, 241, 113);
    rahmen->setAutoFillBackground(true);
    QPalette weiss = rahmen->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    rahmen->setPalette(weiss);
    plot = new TKoordinatensystem(rahmen);
    plot->setGeometry(2, 2, 237, 109);
    plot->setXBereich(-4, 4);
    plot->setYBereich(-0.1f, 2.5f);
    plot->setSkalenart(TSkala::teilweise);
    plot->setGraphFarbe(Qt::black);
    plot->setKSFarbe(QColor(192, 192, 192));
    plot->setRasteranzahl(8);
    plot->setStiftart(TStiftart::Xor);
    plot->setOnPaint([this](TKoordinatensystem& k) { Koordinatensystem1Paint(k); });

    connect(erzeugenKnopf, &QPushButton::clicked, this, &TSuchenForm::ErzeugenButtonClick);
    connect(ladenKnopf, &QPushButton::clicked, this, &TSuchenForm::LadenButtonClick);
    connect(speichernKnopf, &QPushButton::clicked, this, &TSuchenForm::SpeichernButtonClick);
    connect(regelnKnopf, &QPushButton::clicked, this, &TSuchenForm::RegeltabelleClick);
    connect(startKnopf, &QPushButton::clicked, this, &TSuchenForm::StartButtonClick);
    connect(stopKnopf, &QPushButton::clicked, this, &TSuchenForm::StopButtonClick);
    connect(parameterKnopf, &QPushButton::clicked, this, &TSuchenForm::ParameterButtonClick);
    connect(protokollKnopf, &QPushButton::clicked, this, &TSuchenForm::ProtokollbuttonClick);
    connect(verlaufKnopf, &QPushButton::clicked, this, &TSuchenForm::VerlaufButtonClick);
    connect(okKnopf, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, hilfeKnopf);
    // The engine reads the pace at every step, so a switch takes effect at once.
    connect(echtzeitKnopf, &QRadioButton::toggled, this, [this](bool an) { evolution.setEchtzeit(an); });
}

void TSuchenForm::anzeigenAnlegen()
{
    auto anzeige = [](QWidget* gruppe, int y, const QString& text, QLineEdit* feld, const QString& anfang) {
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

    auto* lauf = new QGroupBox(this);
    lauf->setGeometry(444, 204, 176, 112);
    generationFeld = new TIntEdit;
    chromosomFeld = new TIntEdit;
    testlaufFeld = new TIntEdit;
    zeitFeld = new TSingEdit;
    anzeige(lauf, 8, QStringLiteral("Generation:"), generationFeld, nullZahl);
    anzeige(lauf, 33, QStringLiteral("ChromosomNr."), chromosomFeld, nullZahl);
    anzeige(lauf, 58, QStringLiteral("TestlaufNr."), testlaufFeld, nullZahl);
    anzeige(lauf, 83, QStringLiteral("Zeit"), zeitFeld, nullNote);

    auto* noten = new QGroupBox(this);
    noten->setGeometry(444, 322, 176, 91);
    einzelnoteFeld = new TSingEdit;
    chrNoteFeld = new TSingEdit;
    genNoteFeld = new TSingEdit;
    anzeige(noten, 10, QStringLiteral("letzte Einzelnote"), einzelnoteFeld, nullNote);
    anzeige(noten, 36, QStringLiteral("letzte ChrNote:"), chrNoteFeld, nullNote);
    anzeige(noten, 62, QStringLiteral("letzte GenNote:"), genNoteFeld, nullNote);
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

void TSuchenForm::VariablenUebernehmen(const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang)
{
    evolution.VariablenUebernehmen(eingangA, eingangB, ausgang);
}

void TSuchenForm::oeffnen()
{
    nummernFeld->setValue(1);
    okKnopf->setFocus();
}

void TSuchenForm::aktivieren()
{
    if (!eigenerZufall)
        return;
    if (auto* quelle = dynamic_cast<TStandardZufall*>(&evolution.zufall()))
        quelle->SaeenAusUhr();
}

bool TSuchenForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        aktivieren();
    return QDialog::event(e);
}

bool TSuchenForm::eventFilter(QObject* objekt, QEvent* e)
{
    if (objekt == memo->viewport()) {
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            // The press has put the caret under the mouse.
            Memo1Click(memo->textCursor());
        } else if (e->type() == QEvent::MouseButtonDblClick
                   && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            Memo1DblClick(memo->textCursor());
            return true;
        }
    }
    return QDialog::eventFilter(objekt, e);
}

QStringList TSuchenForm::MemoZeilen() const
{
    const QString text = memo->toPlainText();
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
        evolution.Liste = MemoZeilen();
}

void TSuchenForm::listeGeaendert(const QStringList& liste)
{
    if (evolution.laeuft())
        listeOffen = liste;
    else
        memoSchreiben(liste);
}

void TSuchenForm::memoSchreiben(const QStringList& liste)
{
    QScrollBar* leiste = memo->verticalScrollBar();
    const int stand = leiste->value();
    memo->setPlainText(liste.join(QLatin1Char('\n')));
    leiste->setValue(stand);
}

int TSuchenForm::Regelnummer() const
{
    return nummernFeld->value();
}

void TSuchenForm::setAnzahlGrenze(int anzahl)
{
    // A maximum below the minimum would silently lower the minimum to 0.
    nummernFeld->setMaximum(std::max(1, anzahl));
}

void TSuchenForm::laufSperren(bool laeuft)
{
    // Whatever changes the list, its length or the rates must wait for the
    // loop: the next generation would overwrite it.
    erzeugenKnopf->setEnabled(!laeuft);
    ladenKnopf->setEnabled(!laeuft);
    parameterKnopf->setEnabled(!laeuft);
    startKnopf->setEnabled(!laeuft);
    memo->setReadOnly(laeuft);
}

void TSuchenForm::ErzeugenButtonClick()
{
    if (evolution.laeuft())
        return;
    evolution.ErzeugenButtonClick();
    kodierung = TGenKodierung::Windows1252;
    setWindowTitle(SuchTexte::titelNeu);
}

void TSuchenForm::LadenButtonClick()
{
    if (evolution.laeuft())
        return;
    const auto name = DateiDialog(genDialog(TDateiDialog::Art::Oeffnen, QStringLiteral("Gen-Datei laden")));
    if (!name)
        return;
    std::int32_t anzahl = evolution.ChromosomenAnzahl;
    const TGenErgebnis ergebnis = GenDateiLaden(*name, evolution.Liste, anzahl, kodierung);
    evolution.ChromosomenAnzahl = anzahl;
    listeGeaendert(evolution.Liste);
    for (const TMeldung& m : ergebnis.meldungen)
        Meldung(m);
    if (!ergebnis.dateifehler)
        setAnzahlGrenze(anzahl);
    if (ergebnis.titel)
        setWindowTitle(*ergebnis.titel);
}

void TSuchenForm::SpeichernButtonClick()
{
    const auto name = DateiDialog(genDialog(TDateiDialog::Art::Speichern, QStringLiteral("Gen-Datei speichern")));
    if (!name)
        return;
    listeAusMemo();
    const TGenErgebnis ergebnis = GenDateiSpeichern(*name, evolution.Liste, kodierung);
    for (const TMeldung& m : ergebnis.meldungen)
        Meldung(m);
    if (ergebnis.titel)
        setWindowTitle(*ergebnis.titel);
}

void TSuchenForm::RegeltabelleClick()
{
    listeAusMemo();
    const QStringList& liste = evolution.Liste;
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
    cregelform.rs = *rs;
    cregelform.EingangA.assign(evolution.FEingangA);
    cregelform.EingangB.assign(evolution.FEingangB);
    cregelform.Ausgang.assign(evolution.FAusgang);
    cregelform.aktivieren();
    ZeigeModal(cregelform);
}

void TSuchenForm::Memo1Click(const QTextCursor& caret)
{
    // Counted as the list's file has it: a line end is two characters.
    const int position = caret.position() + caret.blockNumber();
    nummernFeld->setValue(position / ZeilenLaenge + 1);
}

void TSuchenForm::Memo1DblClick(const QTextCursor& caret)
{
    Memo1Click(caret);
    RegeltabelleClick();
}

void TSuchenForm::StartButtonClick()
{
    if (evolution.laeuft())
        return;
    listeAusMemo();
    evolution.setEchtzeit(echtzeitKnopf->isChecked());
    uebergabeGewesen = false;
    laufSperren(true);
    evolution.StartButtonClick();
    bildNachfuehren();
    laufSperren(false);
    setAnzahlGrenze(evolution.ChromosomenAnzahl);
    if (schliessen) {
        const int ergebnis = *schliessen;
        schliessen.reset();
        done(ergebnis);
    }
}

void TSuchenForm::StopButtonClick()
{
    evolution.StopButtonClick();
}

void TSuchenForm::ParameterButtonClick()
{
    if (evolution.laeuft())
        return;
    parameterform.mr = evolution.mutationsrate;
    parameterform.kr = evolution.Kreuzungsrate;
    parameterform.ca = evolution.ChromosomenAnzahl;
    parameterform.aktivieren();
    const int ergebnis = ZeigeModal(parameterform);
    parameterform.FelderUebernehmen();
    if (ergebnis == QDialog::Accepted) {
        evolution.mutationsrate = parameterform.mr;
        evolution.Kreuzungsrate = parameterform.kr;
        evolution.ChromosomenAnzahl = parameterform.ca;
        setAnzahlGrenze(parameterform.ca);
        nummernFeld->setValue(1);
    }
    if (evolution.ChromosomenAnzahl % 2 != 0)
        Meldung(MeldungsArt::Warnung, AnzahlGerade);
    listeAusMemo();
    const qsizetype zeilen = evolution.Liste.size();
    if (zeilen == evolution.ChromosomenAnzahl)
        return;
    if (Meldung(MeldungsArt::Warnung, FrageNeuErzeugen, true) == Antwort::Ja) {
        ErzeugenButtonClick();
        return;
    }
    // The search keeps at most 40 chromosomes, as a loaded list does.
    if (zeilen > TEvolution::MaxChromosomen) {
        Meldung(MeldungsArt::Warnung, SuchTexte::maximal40);
        evolution.ChromosomenAnzahl = TEvolution::MaxChromosomen;
    } else {
        evolution.ChromosomenAnzahl = static_cast<std::int32_t>(zeilen);
    }
    setAnzahlGrenze(evolution.ChromosomenAnzahl);
}

void TSuchenForm::ProtokollbuttonClick()
{
    protokollNachtragen();
    ZeigeModal(protokollform);
}

void TSuchenForm::VerlaufButtonClick()
{
    if (!verlaufform->isVisible()) {
        // Beside the search window, so that the crane and the list stay in
        // view: on the right or the left where the screen has room, else
        // below it, where at most the OK button is covered.
        const QRect fenster = frameGeometry();
        const QRect schirm = screen() ? screen()->availableGeometry() : QRect();
        const QSize groesse = verlaufform->frameGeometry().size();
        QPoint ort(fenster.right() + 8, fenster.top());
        if (!schirm.isEmpty() && ort.x() + groesse.width() > schirm.right()) {
            if (fenster.left() - 8 - groesse.width() >= schirm.left()) {
                ort.setX(fenster.left() - 8 - groesse.width());
            } else {
                ort.setX(std::clamp(fenster.right() - groesse.width(), schirm.left(),
                                    std::max(schirm.left(), schirm.right() - groesse.width())));
                ort.setY(std::max(schirm.top(), std::min(fenster.bottom() + 8, schirm.bottom() - groesse.height())));
            }
        }
        verlaufform->move(ort);
    }
    verlaufform->show();
    verlaufform->raise();
    verlaufform->activateWindow();
}

void TSuchenForm::generationBeendet(int generation)
{
    const int n = std::min<int>(evolution.ChromosomenAnzahl, TEvolution::MaxChromosomen);
    float beste = evolution.Bewertung(1);
    for (int i = 2; i <= n; ++i)
        beste = std::min(beste, evolution.Bewertung(i));
    verlaufOffen.append(TNotenPunkt{generation, beste, letzteGenNote});
}

void TSuchenForm::done(int ergebnis)
{
    if (evolution.laeuft()) {
        if (schliessen)
            return;
        if (Meldung(MeldungsArt::Bestaetigung, FrageAbbrechen, true) == Antwort::Ja) {
            schliessen = ergebnis;
            evolution.StopButtonClick();
        }
        return;
    }
    verlaufform->hide();
    QDialog::done(ergebnis);
}

void TSuchenForm::protokollNachtragen()
{
    protokollform.anhaengen(protokollOffen);
    protokollOffen.clear();
}

void TSuchenForm::bildNachfuehren(bool alles)
{
    if (listeOffen && (alles || TickCount() - letzteListe >= Listentakt)) {
        memoSchreiben(*listeOffen);
        listeOffen.reset();
        letzteListe = TickCount();
    }
    protokollNachtragen();
    verlaufform->Plot()->anhaengen(verlaufOffen);
    verlaufOffen.clear();
    auto zeigen = [](auto& wert, auto* feld) {
        if (wert) {
            feld->setNumber(*wert);
            wert.reset();
        }
    };
    zeigen(anzeigen.chromosomNr, chromosomFeld);
    zeigen(anzeigen.testlaufNr, testlaufFeld);
    zeigen(anzeigen.zeit, zeitFeld);
    zeigen(anzeigen.einzelnote, einzelnoteFeld);
    zeigen(anzeigen.chrNote, chrNoteFeld);
    if (loeschenOffen) {
        plotLeeren();
        loeschenOffen = false;
    }
    if (markeOffen) {
        zielmarkeZeichnen();
        markeOffen = false;
    }
    const std::optional<TKranbild> vorhanden =
        gezeichnet ? std::optional<TKranbild>(kranbild(*gezeichnet)) : std::nullopt;
    if (vorhanden == gewuenscht)
        return;
    plot->setStiftart(TStiftart::Xor);
    if (gezeichnet)
        ZeigePendel(*gezeichnet, *plot);
    gezeichnet.reset();
    if (gewuenscht && gewuenschtesPendel) {
        gezeichnet = *gewuenschtesPendel;
        ZeigePendel(*gezeichnet, *plot);
    }
}

void TSuchenForm::zeigeGeneration(int generation)
{
    generationFeld->setNumber(generation);
}

void TSuchenForm::zeigeChromosomNr(int i)
{
    anzeigen.chromosomNr = i;
}

void TSuchenForm::zeigeTestlaufNr(int k)
{
    anzeigen.testlaufNr = k;
}

void TSuchenForm::zeigeZeit(float wert)
{
    // Shown at the next refresh, as the displays of a run and a chromosome
    // are: a field's text costs more than a whole test run.
    anzeigen.zeit = wert;
}

void TSuchenForm::zeigeEinzelnote(float note)
{
    anzeigen.einzelnote = note;
}

void TSuchenForm::zeigeChrNote(float note)
{
    anzeigen.chrNote = note;
}

void TSuchenForm::zeigeGenNote(float note)
{
    letzteGenNote = note;
    genNoteFeld->setNumber(note);
}

void TSuchenForm::protokollLeeren()
{
    // A new search: its log and its progress curve start afresh.
    protokollform.leeren();
    verlaufform->Plot()->leeren();
    verlaufOffen.clear();
    protokollOffen.clear();
    protokollPlatz = protokollform.Platz();
}

bool TSuchenForm::protokolliere(const QString& zeile)
{
    if (protokollOffen.size() >= protokollPlatz) {
        protokollNachtragen();
        protokollPlatz = protokollform.Platz();
        if (protokollPlatz == 0)
            return false;
    }
    protokollOffen.append(zeile);
    return true;
}

void TSuchenForm::plotLoeschen()
{
    loeschenOffen = true;
    markeOffen = false;
    gezeichnet.reset();
    gewuenscht.reset();
}

void TSuchenForm::zielmarke()
{
    markeOffen = true;
}

void TSuchenForm::plotLeeren()
{
    plot->setStiftart(TStiftart::Kopieren);
    TCanvas& canvas = plot->Canvas();
    canvas.Stift.Stil = Qt::DotLine;
    canvas.Stift.Breite = 1;
    if (leeresBild.size() != plot->Bild().size()) {
        plot->Refresh();
        leeresBild = plot->Bild().copy();
    } else {
        canvas.StretchDraw(leeresBild.rect(), leeresBild);
    }
    plot->Neu();
}

void TSuchenForm::zielmarkeZeichnen()
{
    plot->setStiftart(TStiftart::Kopieren);
    plot->setGraphFarbe(QColor(255, 0, 0));
    plot->Canvas().Stift.Breite = 2;
    plot->moveto(2, -0.1f);
    plot->lineto(2.1f, -0.2f);
    plot->lineto(1.9f, -0.2f);
    plot->lineto(2, -0.1f);
    plot->setStiftart(TStiftart::Xor);
}

TSuchenForm::TKranbild TSuchenForm::kranbild(const TPendel& p)
{
    return TKranbild{p.x(), p.zustand()[2], p.laenge(), p.PendelTyp()};
}

void TSuchenForm::zeigePendel(const TPendel& pendel)
{
    // The engine draws each picture in XOR and erases it with the same call
    // before the next step. The image after every such pair is what the user
    // must see, so the pairs between two refreshes are not drawn at all.
    const TKranbild bild = kranbild(pendel);
    if (gewuenscht && *gewuenscht == bild) {
        gewuenscht.reset();
    } else {
        gewuenscht = bild;
        gewuenschtesPendel = &pendel;
    }
}

void TSuchenForm::pause(int millisekunden)
{
    // In real time every step is shown.
    bildNachfuehren();
    Pause(static_cast<std::uint32_t>(std::max(0, millisekunden)));
    uebergabeGewesen = true;
    letzteUebergabe = TickCount();
}

void TSuchenForm::ereignisse()
{
    // Even the clock costs a share of a step: it is read every few steps.
    if (uebergabeGewesen && ++ungezaehlt < 16)
        return;
    ungezaehlt = 0;
    const std::uint32_t jetzt = TickCount();
    if (uebergabeGewesen && jetzt - letzteUebergabe < Bildtakt)
        return;
    uebergabeGewesen = true;
    letzteUebergabe = jetzt;
    bildNachfuehren(false);
    QCoreApplication::processEvents();
}

void TSuchenForm::meldung(const TMeldung& m)
{
    bildNachfuehren();
    Meldung(m);
}
