#include "app/mainform.h"

#include "app/assistent.h"
#include "app/aufgabenform.h"
#include "app/bilder.h"
#include "app/einrichtung.h"
#include "app/externeprogramme.h"
#include "app/infoform.h"
#include "app/initform.h"
#include "app/konfiguration.h"
#include "app/simulationspanel.h"
#include "app/projektuebersicht.h"
#include "app/startseite.h"
#include "app/stil.h"
#include "app/titelform.h"
#include "forms/optionenform.h"
#include "forms/cregelform.h"
#include "forms/parameterform.h"
#include "forms/protokollform.h"
#include "forms/suchenform.h"
#include "forms/verlaufform.h"
#include "forms/regeditform.h"
#include "forms/vareditform.h"
#include "forms/vartestform.h"
#include "forms/ddgraphform.h"
#include "forms/regtestform.h"
#include "platform/dateidialog.h"
#include "platform/druckdialog.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "search/suchtexte.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstddef>
#include <type_traits>
#include <utility>

namespace {

// The tool bar in its own flat grey, whatever the style would paint.
class TKnopfleiste : public QToolBar {
public:
    using QToolBar::QToolBar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        maler.fillRect(rect(), QColor(214, 214, 214));
        maler.setPen(QColor(160, 160, 160));
        maler.drawLine(0, height() - 1, width(), height() - 1);
    }
};

// Wires a menu entry or a button to its command; one without a command stays
// disabled until its window joins the program.
template <class Befehl>
void anschliessen(QAction* a, TMainForm* form, Befehl befehl)
{
    if constexpr (std::is_same_v<Befehl, std::nullptr_t>)
        a->setEnabled(false);
    else
        QObject::connect(a, &QAction::triggered, form, befehl);
}

} // namespace

TMainForm::TMainForm(const QString& pfad, QWidget* parent)
    : QMainWindow(parent)
{
    TarvikStilSetzen();
    projekt.Geaendert = false;
    projekt.Dateiname = NeuerProjektname;
    programmpfad = QDir(pfad.isEmpty() ? QCoreApplication::applicationDirPath() : pfad).absolutePath();
    if (!programmpfad.endsWith(QLatin1Char('/')))
        programmpfad += QLatin1Char('/');

    setWindowTitle(Starttitel);
    setWindowIcon(Programmsymbol());
    // The tool bar is switched by its menu entry only, so that the check mark
    // always tells the truth.
    setContextMenuPolicy(Qt::NoContextMenu);
    HilfeSeiteSetzen(this, HilfeSeite::Inhalt);
    // Qt hands a hint only to the window of its control: the dialogs' hints
    // reach this status line through the application.
    qApp->installEventFilter(this);

    varTestForm = new TVarTestForm(this);
    varEditform = new TVarEditform(this);
    menueAnlegen();
    knopfleisteAnlegen();
    statuszeileAnlegen();

    auto* flaeche = new QWidget(this);
    auto* layout = new QVBoxLayout(flaeche);
    layout->setContentsMargins(0, 0, 0, 0);
    simulationsbereich = new QWidget(flaeche);
    simulationsbereich->setObjectName(QStringLiteral("Simulationsbereich"));
    simulationsbereich->hide();
    layout->addWidget(simulationsbereich);
    uebersicht = new TProjektuebersicht(flaeche);
    layout->addWidget(uebersicht);
    // Where the central area needs more room than the window has, it scrolls;
    // the window itself never asks for more than a small screen has.
    auto* rollbereich = new QScrollArea(this);
    rollbereich->setObjectName(QStringLiteral("Rollbereich"));
    rollbereich->setFrameShape(QFrame::NoFrame);
    rollbereich->setWidgetResizable(true);
    rollbereich->setWidget(flaeche);
    setCentralWidget(rollbereich);
    simulationspanel = new TSimulationspanel(projekt, pendel, abbruch, zeitfaktor, einstellungen, simulationsbereich);
    connect(simulationspanel, &TSimulationspanel::LaufBeendet, this, [this] {
        if (schliessenNachLauf)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    optionenform = new TOptionenform(this);
    for (QAction* a : {menue.PendelHand, menue.PendelFuzzy, menue.KatzeHand, menue.KatzeFuzzy, menue.Parameter,
                       knoepfe.Pendel, knoepfe.Laufkatze})
        a->setEnabled(true);
    connect(menue.PendelHand, &QAction::triggered, simulationspanel, &TSimulationspanel::Handregelung1Click);
    connect(knoepfe.Pendel, &QAction::triggered, simulationspanel, &TSimulationspanel::Handregelung1Click);
    connect(menue.PendelFuzzy, &QAction::triggered, simulationspanel, &TSimulationspanel::FuzzyRegelung1Click);
    connect(menue.KatzeHand, &QAction::triggered, simulationspanel, &TSimulationspanel::Handregelung2Click);
    connect(knoepfe.Laufkatze, &QAction::triggered, simulationspanel, &TSimulationspanel::Handregelung2Click);
    connect(menue.KatzeFuzzy, &QAction::triggered, simulationspanel, &TSimulationspanel::FuzzyRegelung2Click);
    connect(menue.Parameter, &QAction::triggered, this, &TMainForm::OptionenZeigen);
    uebersichtAnlegen();
    resize(800, 600);

    parameterform = std::make_unique<TParameterForm>(this);
    protokollform = std::make_unique<TProtokollform>(this);
    cregelform = std::make_unique<TCRegelform>(this);
    suchenform = std::make_unique<TSuchenForm>(*parameterform, *protokollform, *cregelform, this);
    regEditForm = new TRegEditForm(this);
    ddGraphForm = new TDDGraphForm(this);
    regTestForm = new TRegTestForm(ddGraphForm, this);
    hilfeAbschnitteSetzen();
}

void TMainForm::hilfeAbschnitteSetzen()
{
    // Windows that share a long help page open it at their own section.
    const std::pair<QWidget*, const char*> abschnitte[] = {
        {regEditForm, "regeleditor"},      {regTestForm, "regeltest"},       {ddGraphForm, "kennfeld"},
        {parameterform.get(), "parameter"}, {protokollform.get(), "protokoll"}, {cregelform.get(), "chromosom"},
        {&suchenform->Verlaufform(), "verlauf"},
    };
    for (const auto& [fenster, abschnitt] : abschnitte)
        HilfeAbschnittSetzen(fenster, QString::fromLatin1(abschnitt));
}

TMainForm::~TMainForm() = default;

void TMainForm::menueAnlegen()
{
    auto eintrag = [this](QMenu* m, const QString& text, const QString& hinweis, auto befehl) {
        QAction* a = m->addAction(text);
        a->setStatusTip(hinweis);
        anschliessen(a, this, befehl);
        return a;
    };
    auto untermenue = [](QMenu* m, const QString& text, const QString& hinweis) {
        QMenu* u = m->addMenu(text);
        u->menuAction()->setStatusTip(hinweis);
        return u;
    };

    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    menue.Neu = eintrag(datei, QStringLiteral("&Neu"), QStringLiteral("Eine neue Datei erzeugen"), &TMainForm::FileNew);
    menue.Oeffnen = eintrag(datei, QStringLiteral("&Öffnen..."), QStringLiteral("Eine bestehende Datei öffnen"),
                            &TMainForm::FileOpen);
    menue.Speichern = eintrag(datei, QStringLiteral("&Speichern"), QStringLiteral("Aktuelle Datei speichern"),
                              &TMainForm::FileSave);
    menue.SpeichernUnter = eintrag(datei, QStringLiteral("Speichern &Unter..."),
                                   QStringLiteral("Aktuelle Datei unter neuem Namen speichern"),
                                   [this] { FileSaveAs(); });
    datei->addSeparator();
    menue.Beenden = eintrag(datei, QStringLiteral("&Beenden"), QStringLiteral("Diese Anwendung beenden"),
                            &TMainForm::FileExit);

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    menue.Rueckgaengig = eintrag(bearbeiten, QStringLiteral("&Rückgängig"),
                                 QStringLiteral("Die letzte Änderung am Projekt zurücknehmen"), &TMainForm::Rueckgaengig);
    menue.Rueckgaengig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menue.Wiederherstellen = eintrag(bearbeiten, QStringLiteral("&Wiederherstellen"),
                                     QStringLiteral("Die zurückgenommene Änderung am Projekt wiederherstellen"),
                                     &TMainForm::Wiederherstellen);
    menue.Wiederherstellen->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    bearbeiten->addSeparator();
    menue.ZwischenablageDrucken = eintrag(bearbeiten, QStringLiteral("&Zwischenablage drucken"),
                                          QStringLiteral("Grafik aus der Zwischenablage drucken"),
                                          &TMainForm::ZwischenablageDrucken);

    QMenu* variable = menuBar()->addMenu(QStringLiteral("&Fuzzyvariable"));
    QMenu* editieren = untermenue(variable, QStringLiteral("&Editieren"), QStringLiteral("Fuzzyvariable editieren"));
    menue.EditierenA = eintrag(editieren, QStringLiteral("Eingang &A"), QString(), [this] { VariableEditieren(1); });
    menue.EditierenB = eintrag(editieren, QStringLiteral("Eingang &B"), QString(), [this] { VariableEditieren(2); });
    menue.EditierenAusgang =
        eintrag(editieren, QStringLiteral("Aus&gang"), QString(), [this] { VariableEditieren(3); });
    QMenu* testen = untermenue(variable, QStringLiteral("&Testen"), QStringLiteral("Fuzzyvariable testen"));
    menue.TestenA = eintrag(testen, QStringLiteral("Eingang &A"), QString(),
                            [this] { VariableTesten(projekt.EingangA); });
    menue.TestenB = eintrag(testen, QStringLiteral("Eingang &B"), QString(),
                            [this] { VariableTesten(projekt.EingangB); });
    menue.TestenAusgang = eintrag(testen, QStringLiteral("Aus&gang"), QString(),
                                  [this] { VariableTesten(projekt.Ausgang); });

    QMenu* regeln = menuBar()->addMenu(QStringLiteral("&Regeln"));
    menue.RegelnEditieren = eintrag(regeln, QStringLiteral("&Editieren"), QStringLiteral("Regeln editieren"),
                                    &TMainForm::RegelnEditieren);
    menue.RegelnTesten = eintrag(regeln, QStringLiteral("&Testen"), QStringLiteral("Regeln testen"),
                                 &TMainForm::RegelnTesten);
    menue.RegelnSuchen = eintrag(regeln, QStringLiteral("&Suchen (Laufkatze)"),
                                 QStringLiteral("Regeln mit genetischem Algorithmus suchen (nur für Laufkatze)"),
                                 &TMainForm::SuchenLaufkatze1Click);

    simulationsmenue = menuBar()->addMenu(QStringLiteral("&Simulation"));
    QMenu* pendelMenue = untermenue(simulationsmenue, QStringLiteral("invertiertes &Pendel"),
                                    QStringLiteral("Simulation des invertierten Pendels"));
    menue.PendelHand = eintrag(pendelMenue, QStringLiteral("&Handregelung"), QString(), nullptr);
    menue.PendelFuzzy = eintrag(pendelMenue, QStringLiteral("&Fuzzy-Regelung"), QString(), nullptr);
    QMenu* katzeMenue = untermenue(simulationsmenue, QStringLiteral("&Laufkatze"),
                                   QStringLiteral("Simulation der Laufkatze"));
    menue.KatzeHand = eintrag(katzeMenue, QStringLiteral("&Handregelung"), QString(), nullptr);
    menue.KatzeFuzzy = eintrag(katzeMenue, QStringLiteral("&Fuzzy-Regelung"), QString(), nullptr);

    QMenu* experiment = menuBar()->addMenu(QStringLiteral("&Experiment"));
    menue.RealExperiment = eintrag(experiment, QStringLiteral("RealExperiment"),
                                   QStringLiteral("Realexperimente zur Fuzzyregelung"),
                                   [this] { RealExperimentStarten(programmpfad); });

    QMenu* optionen = menuBar()->addMenu(QStringLiteral("&Optionen"));
    menue.Parameter = eintrag(optionen, QStringLiteral("&Parameter"), QStringLiteral("Parameter verändern"), nullptr);
    menue.Knopfleiste = eintrag(optionen, QStringLiteral("&Knopfleiste"),
                                QStringLiteral("Knopfleiste ein- oder ausschalten"), nullptr);
    menue.Knopfleiste->setEnabled(true);
    menue.Knopfleiste->setCheckable(true);
    menue.Knopfleiste->setChecked(true);
    connect(menue.Knopfleiste, &QAction::toggled, this, [this](bool an) { knopfleiste->setVisible(an); });
    menue.Initialisierung = eintrag(optionen, QStringLiteral("&Initialisierung"),
                                    QStringLiteral("Neue Initialisierung des Tarvik-Programms"),
                                    &TMainForm::InitformZeigen);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* themen = eintrag(hilfe, QStringLiteral("&Hilfethemen"), QStringLiteral("Übersicht über alle Hilfeseiten"),
                              [] { ZeigeHilfe(HilfeSeite::Inhalt); });
    themen->setShortcut(QKeySequence::HelpContents);
    menue.FuzzyImInternet = eintrag(hilfe, QStringLiteral("&Fuzzy im Internet"),
                                    QStringLiteral("Aktuelles zu Fuzzy aus dem Internet"), [] { FuzzyImInternet(); });
    menue.Info = eintrag(hilfe, QStringLiteral("Inf&o..."), QStringLiteral("Programminformationen anzeigen"),
                         [this] { InfoZeigen(); });
    hilfe->addSeparator();
    menue.Assistent = eintrag(hilfe, QStringLiteral("&Assistent"),
                              QStringLiteral("Assistent für das Erstellen eines Fuzzyprojekts"), [this] {
                                  Assistent({[this] { FileNew(); }, [this](int w) { return VariableEditieren(w); },
                                             [this] { RegelnEditieren(); }});
                              });
    eintrag(hilfe, QStringLiteral("Auf&gaben..."), QStringLiteral("Aufgaben lösen und das Projekt prüfen lassen"),
            [this] { AufgabenZeigen(projekt, programmpfad, this); });
}

void TMainForm::knopfleisteAnlegen()
{
    knopfleiste = new TKnopfleiste(QStringLiteral("Knopfleiste"), this);
    knopfleiste->setObjectName(QStringLiteral("Knopfleiste"));
    knopfleiste->setMovable(false);
    knopfleiste->setFloatable(false);
    knopfleiste->setFixedHeight(33);
    knopfleiste->setIconSize(QSize(16, 16));
    QPalette farben = knopfleiste->palette();
    farben.setColor(QPalette::Window, QColor(214, 214, 214));
    farben.setColor(QPalette::Button, QColor(214, 214, 214));
    knopfleiste->setPalette(farben);
    addToolBar(Qt::TopToolBarArea, knopfleiste);

    auto knopf = [this](TKnopfbild bild, const QString& hinweis, auto befehl) {
        auto* a = new QAction(Knopfsymbol(bild), hinweis, this);
        a->setToolTip(hinweis);
        a->setStatusTip(hinweis);
        knopfleiste->addAction(a);
        if (auto* k = qobject_cast<QToolButton*>(knopfleiste->widgetForAction(a))) {
            k->setFixedSize(25, 25);
            k->setAutoRaise(true);
        }
        anschliessen(a, this, befehl);
        return a;
    };

    knoepfe.Neu = knopf(TKnopfbild::Neu, QStringLiteral("Fuzzyvariable und Regeln neu erstellen"), &TMainForm::FileNew);
    knoepfe.Oeffnen = knopf(TKnopfbild::Oeffnen, QStringLiteral("Datei öffnen"), &TMainForm::FileOpen);
    knoepfe.Speichern = knopf(TKnopfbild::Speichern, QStringLiteral("Datei speichern"), &TMainForm::FileSave);
    knoepfe.SpeichernUnter =
        knopf(TKnopfbild::SpeichernUnter, QStringLiteral("Speichern unter..."), [this] { FileSaveAs(); });
    knopfleiste->addSeparator();
    knoepfe.Drucken =
        knopf(TKnopfbild::Drucken, QStringLiteral("Zwischenablage drucken"), &TMainForm::ZwischenablageDrucken);
    knoepfe.Beenden = knopf(TKnopfbild::Beenden, QStringLiteral("Programm beenden"), &TMainForm::FileExit);
    knopfleiste->addSeparator();
    knoepfe.RegelnEditieren =
        knopf(TKnopfbild::RegelnEditieren, QStringLiteral("Regeln editieren"), &TMainForm::RegelnEditieren);
    knoepfe.RegelnTesten = knopf(TKnopfbild::RegelnTesten, QStringLiteral("Regeln testen"), &TMainForm::RegelnTesten);
    knoepfe.RegelnSuchen = knopf(TKnopfbild::RegelnSuchen, QStringLiteral("Regeln für die Laufkatze suchen"),
                                  &TMainForm::SuchenLaufkatze1Click);
    knopfleiste->addSeparator();
    knoepfe.Pendel = knopf(TKnopfbild::Pendel, QStringLiteral("Simulation des invertierten Pendels"), nullptr);
    knoepfe.Laufkatze = knopf(TKnopfbild::Laufkatze, QStringLiteral("Simulation der Laufkatze"), nullptr);
    knoepfe.Experiment = knopf(TKnopfbild::Experiment, QStringLiteral("Realexperimente mit Fuzzyregelung"),
                               [this] { RealExperimentStarten(programmpfad); });
    knopfleiste->addSeparator();
    knoepfe.Info = knopf(TKnopfbild::Information, QStringLiteral("Information über das Programm"),
                         [this] { InfoZeigen(); });
    knoepfe.Internet = knopf(TKnopfbild::Internet, QStringLiteral("Aktuelles zu Fuzzy aus dem Internet"),
                             [] { FuzzyImInternet(); });
}

void TMainForm::statuszeileAnlegen()
{
    statuszeile = new QLabel(this);
    statuszeile->setObjectName(QStringLiteral("Statuszeile"));
    statuszeile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statuszeile->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statuszeile->setIndent(3);
    statuszeile->setTextFormat(Qt::PlainText);
    statusBar()->setFixedHeight(23);
    statusBar()->addWidget(statuszeile, 1);
}

bool TMainForm::eventFilter(QObject* objekt, QEvent* e)
{
    // A hint travels from its control up to the control's window and stops
    // there; this window's own hints arrive in event().
    if (e->type() == QEvent::StatusTip && objekt != this && objekt->isWidgetType()
        && static_cast<QWidget*>(objekt)->isWindow())
        statuszeile->setText(static_cast<QStatusTipEvent*>(e)->tip());
    return QMainWindow::eventFilter(objekt, e);
}

bool TMainForm::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::StatusTip:
        // Every hint of a menu entry or control lands here; the status line
        // shows it at once.
        statuszeile->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    case QEvent::WindowActivate:
        if (!aktiviert) {
            aktiviert = true;
            ersteAktivierung();
        }
        break;
    default:
        break;
    }
    return QMainWindow::event(e);
}

void TMainForm::uebersichtAnlegen()
{
    uebersicht->setSimulationsbereich(simulationsbereich);
    TStartseite* start = uebersicht->Startseite();
    start->setBeispiele(BeispielDatei(programmpfad, QStringLiteral("pendel.fuz")),
                        BeispielDatei(programmpfad, QStringLiteral("kran.fuz")));
    start->setAssistentVerfuegbar(menue.Assistent->isEnabled());
    connect(menue.Assistent, &QAction::enabledChanged, start, &TStartseite::setAssistentVerfuegbar);
    connect(start, &TStartseite::AssistentGewuenscht, menue.Assistent, &QAction::trigger);
    connect(start, &TStartseite::BeispielGewuenscht, this, [this](const QString& pfad) {
        if (!datenLoeschenErlaubt())
            return;
        projekt.Dateiname = pfad;
        dateiErgebnis(LoadFile(projekt));
    });
    connect(uebersicht, &TProjektuebersicht::VariableEditierenGewuenscht, this,
            [this](int welche) { VariableEditieren(welche); });
    connect(uebersicht, &TProjektuebersicht::RegelnEditierenGewuenscht, this, [this] {
        RegelnEditieren();
        uebersichtAktualisieren();
    });
    // Any menu or tool command may change the project, also those wired later:
    // the overview follows after each.
    for (QAction* a : menuBar()->findChildren<QAction*>() + knopfleiste->actions())
        connect(a, &QAction::triggered, this, &TMainForm::uebersichtAktualisieren);
    uebersichtAktualisieren();
}

void TMainForm::uebersichtAktualisieren()
{
    projektverlauf.Merken(projekt);
    menue.Rueckgaengig->setEnabled(projektverlauf.RueckgaengigMoeglich());
    menue.Wiederherstellen->setEnabled(projektverlauf.WiederherstellenMoeglich());
    uebersicht->Zeigen(projekt);
}

void TMainForm::projektSetzen(const TProjekt& stand)
{
    const QString vorher = projekt.Dateiname;
    projekt = stand;
    if (projekt.Dateiname != vorher)
        setWindowTitle(ProjektTitel(projekt.Dateiname));
    uebersichtAktualisieren();
}

void TMainForm::Rueckgaengig()
{
    TProjekt stand = projekt;
    if (projektverlauf.Rueckgaengig(stand))
        projektSetzen(stand);
}

void TMainForm::Wiederherstellen()
{
    TProjekt stand = projekt;
    if (projektverlauf.Wiederherstellen(stand))
        projektSetzen(stand);
}

void TMainForm::ProjektAendern(const TProjekt& neu)
{
    projektSetzen(neu);
}

void TMainForm::ersteAktivierung()
{
    ProgrammeintraegeAnhaengen(simulationsmenue, programmpfad, TIniDatei::Laden(KonfigurationsQuelle(programmpfad)),
                               [this] { return projekt.Dateiname; });
}

void TMainForm::InitformZeigen()
{
    const QString datei = KonfigurationsDatei(programmpfad);
    TInitform init(this);
    init.oeffnen(EinrichtungLesen(programmpfad, datei));
    if (ZeigeModal(init) != QDialog::Accepted)
        return;
    if (!EinrichtungSpeichern(programmpfad, datei, init.Ergebnis()))
        Meldung(MeldungsArt::Fehler, KonfigurationNichtGeschrieben(datei));
}

void TMainForm::InfoZeigen()
{
    TInfoForm info(this);
    info.oeffnen({ProgrammAnzahl(TIniDatei::Laden(KonfigurationsQuelle(programmpfad)))});
    ZeigeModal(info);
}

void TMainForm::Programmstart(const QStringList& argumente)
{
    if (!QFileInfo::exists(KonfigurationsQuelle(programmpfad)))
        InitformZeigen();
    {
        TTitelform titel;
        titel.oeffnen();
        ZeigeModal(titel);
    }
    if (argumente.size() == 1) {
        projekt.Dateiname = QFileInfo(argumente.constFirst()).absoluteFilePath();
        dateiErgebnis(LoadFile(projekt));
        // The project the program starts with is where undoing ends.
        projektverlauf = TProjektverlauf(projekt);
        uebersichtAktualisieren();
    }
}
