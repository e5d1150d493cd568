#include "forms/vareditform.h"

#include "core/variablenregeln.h"
#include "core/zahlenformat.h"
#include "forms/dialoghilfe.h"
#include "forms/vareditbilder.h"
#include "forms/vareditgitter.h"
#include "forms/variablenplot.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "widgets/farbkreis.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace {

const QString FehlerZahl = QStringLiteral("Fehler bei Zahleingabe");
const QString KeinFeld = QStringLiteral("Bitte zuerst Feld selektieren!");
const QString KeinTermname = QStringLiteral("Bitte geben Sie zuerst\rden Termnamen ein!");
const QString ZuVieleTerme = QStringLiteral("Es kann kein weiterer Termname angefügt werden");
const QString NichtSelektiert = QStringLiteral("Kein Termname selektiert!");
const QString ZeileOhneName = QStringLiteral("Bitte geben Sie zunächst den zugehörigen Termnamen ein!");
const QString FrageLoeschen = QStringLiteral("Wollen Sie diese Fuzzyvariable wirklich löschen?");
const QString OhneTerm = QStringLiteral("Die Fuzzyvariable hat noch keinen Term und ist deshalb nicht definiert.\r"
                                        "Legen Sie zuerst die Termnamen an, oder schließen Sie das Fenster mit "
                                        "„Abbrechen“.");

} // namespace

TVarEditform::TVarEditform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 632, 411, QStringLiteral("Variable editieren"));
    // A fixed border: title, system menu and close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    controlsAnlegen();
    verbinden();

    fuzzyVar.FarbeInit();
    fuzzyVar.setDefiniert(false);
    FreieZeilenZuruecksetzen(fuzzyVar);

    connect(qApp, &QApplication::focusChanged, this, &TVarEditform::gridFokusWechsel);
}

TVarEditform::~TVarEditform() = default;

QTableWidget* TVarEditform::StringGrid1() const
{
    return stringGrid1;
}

void TVarEditform::controlsAnlegen()
{
    auto beschriftung = [this](const QString& text, int x, int y) {
        auto* l = new QLabel(text, this);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    auto zeile = [this](QLineEdit* feld, const QRect& platz, const QString& hinweis) {
        feld->setGeometry(platz);
        HinweisSetzen(feld, hinweis);
        feld->installEventFilter(this);
    };

    beschriftung(QStringLiteral("Name:"), 16, 8);
    edit1 = new QLineEdit(this);
    zeile(edit1, QRect(16, 24, 145, 21), QStringLiteral("Variablennamen eingeben"));
    beschriftung(QStringLiteral("Grundmenge von:"), 16, 64);
    singEdit1 = new TSingEdit(this);
    zeile(singEdit1, QRect(16, 80, 145, 21), QStringLiteral("linke Intervallgrenze"));
    beschriftung(QStringLiteral("bis:"), 16, 112);
    singEdit2 = new TSingEdit(this);
    zeile(singEdit2, QRect(16, 128, 145, 21), QStringLiteral("rechte Intervallgrenze"));
    beschriftung(QStringLiteral("Termnamen:"), 208, 8);
    edit2 = new QLineEdit(this);
    zeile(edit2, QRect(208, 24, 121, 21), QStringLiteral("Termnamen eingeben"));

    auto werkzeug = [this](TGlyphe glyphe, int x, const QString& hinweis) {
        auto* k = new QToolButton(this);
        k->setGeometry(x, 48, 25, 25);
        k->setIcon(Glyphe(glyphe));
        k->setIconSize(QSize(16, 16));
        k->setFocusPolicy(Qt::NoFocus);
        HinweisSetzen(k, hinweis);
        return k;
    };
    speedButton1 = werkzeug(TGlyphe::Editieren, 216, QStringLiteral("ausgewählten Termnamen editieren"));
    speedButton2 = werkzeug(TGlyphe::Anfuegen, 256, QStringLiteral("Termnamen anfügen"));
    speedButton3 = werkzeug(TGlyphe::Ersetzen, 296, QStringLiteral("selektierten Termnamen ersetzen"));

    listBox1 = new QListWidget(this);
    listBox1->setGeometry(208, 80, 121, 73);
    listBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    HinweisSetzen(listBox1, QStringLiteral("Liste der Termnamen"));
    listBox1->installEventFilter(this);

    image1 = new QLabel(this);
    image1->setGeometry(368, 24, 255, 144);
    image1->setPixmap(QPixmap::fromImage(Trapezskizze(image1->size(), font(), devicePixelRatioF())));
    HinweisSetzen(image1, QStringLiteral("a, b, c, d und h sind die charakteristische Werte"));

    stringGrid1 = new TVarEditGitter(this);
    stringGrid1->setGeometry(368, 192, 255, 153);
    HinweisSetzen(stringGrid1, QStringLiteral("Tabelle für charakteristische Werte a, b, c, d und h "));

    const QColor markenfarben[5] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 255, 255), QColor(0, 128, 0),
                                    QColor(255, 0, 255)};
    for (int i = 0; i < 5; ++i) {
        shapes[i] = new TFarbkreis(markenfarben[i], this);
        shapes[i]->setGeometry(344, 222 + 25 * i, 17, 17);
    }

    const TVariablenPlot plot = VariablenPlotAnlegen(this, QRect(16, 168, 313, 201));
    panel1 = plot.panel;
    koordinatensystem1 = plot.koordinatensystem;

    kopieren1 = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(16, 376, 81, 25),
                             QStringLiteral("Grafik in die Zwischenablage kopieren"));
    zeichnen1Knopf = KnopfAnlegen(this, QStringLiteral("definieren und zeichnen"), QRect(104, 376, 177, 25),
                                  QStringLiteral("Fuzzyvariable testen, definieren und Graphen zeichnen"));
    loeschen = KnopfAnlegen(this, QStringLiteral("Löschen"), QRect(288, 376, 81, 25),
                            QStringLiteral("Fuzzyvariable vollständig löschen"));
    // Outside the Tab chain, so that Enter in a field never ends the dialog;
    // Ctrl+Enter and Alt+O reach it from the keyboard. The access key is
    // underlined in the caption but handled with the other keys, so that each
    // of them clicks at once.
    okBtn = KnopfAnlegen(this, QStringLiteral("&OK"), QRect(377, 378, 77, 25));
    okBtn->setFocusPolicy(Qt::ClickFocus);
    okBtn->setShortcut(QKeySequence());
    auto* okTaste = new QShortcut(this);
    okTaste->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter),
                      QKeySequence(Qt::ALT | Qt::Key_O)});
    connect(okTaste, &QShortcut::activated, okBtn, &QPushButton::click);
    cancelBtn = KnopfAnlegen(this, QStringLiteral("Abbrechen"), QRect(460, 376, 77, 25));
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(544, 376, 77, 25));

    setTabOrder(edit1, singEdit1);
    setTabOrder(singEdit1, singEdit2);
    setTabOrder(singEdit2, edit2);
    setTabOrder(edit2, listBox1);
    setTabOrder(listBox1, stringGrid1);
    setTabOrder(stringGrid1, zeichnen1Knopf);
    setTabOrder(zeichnen1Knopf, helpBtn);
    setTabOrder(helpBtn, cancelBtn);
    setTabOrder(cancelBtn, loeschen);
    setTabOrder(loeschen, kopieren1);
}

void TVarEditform::verbinden()
{
    connect(stringGrid1, &QTableWidget::itemChanged, this, [this] { aenderungMerken(); });
    connect(stringGrid1, &TVarEditGitter::ZelleBetreten, this, &TVarEditform::zelleGewaehlt);

    connect(edit1, &QLineEdit::returnPressed, singEdit1, [this] { singEdit1->setFocus(Qt::OtherFocusReason); });
    connect(singEdit1, &QLineEdit::returnPressed, singEdit2, [this] { singEdit2->setFocus(Qt::OtherFocusReason); });
    connect(singEdit2, &QLineEdit::returnPressed, edit2, [this] { edit2->setFocus(Qt::OtherFocusReason); });
    connect(edit2, &QLineEdit::returnPressed, this, &TVarEditform::SpeedButton2Click);
    connect(edit1, &QLineEdit::textEdited, this, [this] {
        nameBereinigen(edit1);
        aenderungMerken();
    });
    connect(edit2, &QLineEdit::textEdited, this, [this] {
        nameBereinigen(edit2);
        aenderungMerken();
    });
    connect(singEdit1, &QLineEdit::textEdited, this, [this] {
        feldAGeaendert = true;
        aenderungMerken();
    });
    connect(singEdit2, &QLineEdit::textEdited, this, [this] {
        feldBGeaendert = true;
        aenderungMerken();
    });

    connect(speedButton1, &QToolButton::clicked, this, &TVarEditform::SpeedButton1Click);
    connect(speedButton2, &QToolButton::clicked, this, &TVarEditform::SpeedButton2Click);
    connect(speedButton3, &QToolButton::clicked, this, &TVarEditform::SpeedButton3Click);
    connect(kopieren1, &QPushButton::clicked, this, &TVarEditform::Kopieren1Click);
    connect(zeichnen1Knopf, &QPushButton::clicked, this, &TVarEditform::zeichnen1Click);
    connect(loeschen, &QPushButton::clicked, this, &TVarEditform::LoeschenClick);
    connect(okBtn, &QPushButton::clicked, this, &TVarEditform::OKBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TVarEditform::reject);
    HilfeSeiteSetzen(this, HilfeSeite::Variablen, helpBtn);
}

// --- opening, transfers, check ---------------------------------------------

void TVarEditform::oeffnen(const TVariablenDaten& daten)
{
    setWindowTitle(QStringLiteral("Variable editieren [") + daten.Dateiname + QLatin1Char(']'));
    fuzzyVar.assign(daten.Variable);
    definiertBeimOeffnen = fuzzyVar.definiert();
    offen = true;
    geaendert = false;
    feldAGeaendert = false;
    feldBGeaendert = false;
    fuzzyVar.FarbeInit();
    edit2->clear();
    listBox1->clear();
    if (fuzzyVar.definiert()) {
        edit1->setText(fuzzyVar.Name());
        edit1->setCursorPosition(0);
        for (int i = 1; i <= fuzzyVar.gueltigeAnzahl(); ++i)
            listBox1->addItem(fuzzyVar.Termname(i));
    } else {
        // The variable holds what its fields show.
        NeueVariableSetzen(fuzzyVar);
        edit1->setText(fuzzyVar.Name());
    }
    singEdit1->setNumber(fuzzyVar.a());
    singEdit2->setNumber(fuzzyVar.b());
    Tabaktuell();
    {
        const QSignalBlocker sperre(stringGrid1);
        stringGrid1->setCurrentCell(1, 1);
    }
    plotLeeren();
    // Drawn at once when it can be; a variable with faults waits for the
    // user's "definieren und zeichnen", which shows the faults.
    if (fuzzyVar.definiert() && VariablenFehler(fuzzyVar).isEmpty())
        Zeichnen(fuzzyVar, *koordinatensystem1);
    edit1->setFocus(Qt::OtherFocusReason);
}

void TVarEditform::done(int ergebnis)
{
    // Nothing is transferred any more, neither by a focus change nor by a box.
    offen = false;
    QDialog::done(ergebnis);
}

void TVarEditform::Tabaktuell()
{
    stringGrid1->Zeigen(fuzzyVar);
}

void TVarEditform::Varaktuell()
{
    if (uebertragung)
        return;
    uebertragung = true;
    // What an open cell editor holds counts as typed into its cell.
    stringGrid1->editorUebernehmen();
    fuzzyVar.setName(NameOhneSteuerzeichen(edit1->text()));
    if (feldAGeaendert)
        fuzzyVar.setA(singEdit1->Number());
    if (feldBGeaendert)
        fuzzyVar.setB(singEdit2->Number());
    feldAGeaendert = feldBGeaendert = false;
    const int anzahl = listBox1->count();
    fuzzyVar.setAnzahl(anzahl);
    if (anzahl == 0) {
        fuzzyVar.setDefiniert(false);
    } else {
        for (int i = 1; i <= anzahl; ++i) {
            fuzzyVar.setTermname(i, listBox1->item(i - 1)->text());
            for (int j = 1; j <= 5; ++j) {
                const std::optional<QString> eingabe = stringGrid1->Eingabe(i, j);
                if (!eingabe)
                    continue;
                const auto wert = LiesSingEditZahl(*eingabe);
                fuzzyVar.setTerm(i, j, wert.value_or(0));
                if (!wert) {
                    // The cell shows the value the variable now holds.
                    stringGrid1->WertZeigen(i, j, 0);
                    meldung(MeldungsArt::Fehler, FehlerZahl);
                }
            }
        }
    }
    uebertragung = false;
}

bool TVarEditform::checked()
{
    const QStringList fehler = VariablenFehler(fuzzyVar);
    for (const QString& text : fehler)
        meldung(MeldungsArt::Fehler, text);
    return fehler.isEmpty();
}

void TVarEditform::uebertragenVorMeldung()
{
    if (offen)
        Varaktuell();
}

void TVarEditform::meldung(MeldungsArt art, const QString& text)
{
    uebertragenVorMeldung();
    ++offeneMeldungen;
    Meldung(art, text);
    --offeneMeldungen;
}

bool TVarEditform::meldungJa(const QString& text)
{
    uebertragenVorMeldung();
    ++offeneMeldungen;
    const bool ja = Meldung(MeldungsArt::Bestaetigung, text, true) == Antwort::Ja;
    --offeneMeldungen;
    return ja;
}

void TVarEditform::gridFokusWechsel(QWidget* alt, QWidget* neu)
{
    auto imGrid = [this](QWidget* w) { return w && (w == stringGrid1 || stringGrid1->isAncestorOf(w)); };
    // Only a move to another control of this dialog counts: an opening cell
    // editor stays inside the grid, a box or another window is none.
    if (!offen || offeneMeldungen > 0 || !imGrid(alt) || imGrid(neu) || !neu || !isAncestorOf(neu))
        return;
    // A button pressed with the mouse: a box now would swallow its click.
    // The buttons that need the grid's values (OK, "definieren und zeichnen",
    // "Löschen") transfer them first when they are clicked.
    if (qobject_cast<QPushButton*>(neu) && QApplication::mouseButtons() != Qt::NoButton)
        return;
    Varaktuell();
}

void TVarEditform::zelleGewaehlt(int zeile, int)
{
    if (zeile < 1)
        return;
    aenderungMerken();
    if (listBox1->count() < zeile)
        meldung(MeldungsArt::Warnung, ZeileOhneName);
}

void TVarEditform::plotLeeren()
{
    koordinatensystem1->setStiftart(TStiftart::Kopieren);
    koordinatensystem1->Refresh();
}

bool TVarEditform::zeichnenAktion()
{
    if (!checked())
        return false;
    Zeichnen(fuzzyVar, *koordinatensystem1);
    // Without a term there is nothing defined, whatever the check says.
    fuzzyVar.setDefiniert(fuzzyVar.Anzahl() >= 1);
    return true;
}

// --- commands ----------------------------------------------------------------

void TVarEditform::zeichnen1Click()
{
    Varaktuell();
    zeichnenAktion();
}

void TVarEditform::Kopieren1Click()
{
    koordinatensystem1->CopyToClipboard();
}

void TVarEditform::OKBtnClick()
{
    Varaktuell();
    const bool ohneFehler = zeichnenAktion();
    // A variable that is not defined stays in the dialog with what was typed:
    // the caller would take it over undefined, and the next opening starts empty.
    if (!OKBeendetEditor(fuzzyVar, definiertBeimOeffnen)) {
        if (ohneFehler)
            meldung(MeldungsArt::Warnung, OhneTerm);
        return;
    }
    accept();
}

void TVarEditform::LoeschenClick()
{
    if (!meldungJa(FrageLoeschen))
        return;
    aenderungMerken();
    NeueVariableSetzen(fuzzyVar);
    listBox1->clear();
    edit1->setText(fuzzyVar.Name());
    // Plain text here, not the four decimals of an opening.
    singEdit1->setText(GleitZahl(fuzzyVar.a(), 7));
    singEdit2->setText(GleitZahl(fuzzyVar.b(), 7));
    feldAGeaendert = feldBGeaendert = false;
    edit2->clear();
    Tabaktuell();
    plotLeeren();
}

void TVarEditform::SpeedButton1Click()
{
    const QList<QListWidgetItem*> gewaehlt = listBox1->selectedItems();
    if (gewaehlt.isEmpty()) {
        meldung(MeldungsArt::Warnung, KeinFeld);
        return;
    }
    edit2->setText(gewaehlt.first()->text());
}

void TVarEditform::listeUebernehmen()
{
    const int anzahl = listBox1->count();
    fuzzyVar.setAnzahl(anzahl);
    for (int i = 1; i <= anzahl; ++i)
        fuzzyVar.setTermname(i, listBox1->item(i - 1)->text());
}

void TVarEditform::SpeedButton2Click()
{
    // Values typed into the grid are kept before the grid is rewritten.
    Varaktuell();
    const QString name = NameOhneSteuerzeichen(edit2->text());
    if (name.trimmed().isEmpty()) {
        meldung(MeldungsArt::Warnung, KeinTermname);
        return;
    }
    if (listBox1->count() >= TFuzzy::MaxTerme) {
        meldung(MeldungsArt::Fehler, ZuVieleTerme);
        return;
    }
    aenderungMerken();
    listBox1->addItem(name);
    listeUebernehmen();
    Tabaktuell();
    edit2->clear();
    abkuerzungPruefen(listBox1->count());
}

void TVarEditform::SpeedButton3Click()
{
    Varaktuell();
    if (listBox1->selectedItems().isEmpty()) {
        meldung(MeldungsArt::Fehler, NichtSelektiert);
        return;
    }
    const QString name = NameOhneSteuerzeichen(edit2->text());
    if (name.isEmpty()) {
        termLoeschen(true);
        return;
    }
    if (name.trimmed().isEmpty()) {
        // Blanks alone are no name, and no order to delete the term either.
        meldung(MeldungsArt::Warnung, KeinTermname);
        return;
    }
    aenderungMerken();
    const int k = listBox1->row(listBox1->selectedItems().first());
    listBox1->item(k)->setText(name);
    edit2->clear();
    listeUebernehmen();
    FreieZeilenZuruecksetzen(fuzzyVar);
    Tabaktuell();
    abkuerzungPruefen(k + 1);
}

void TVarEditform::abkuerzungPruefen(int i)
{
    const QString warnung = GleicheAbkuerzung(fuzzyVar, i);
    if (!warnung.isEmpty())
        meldung(MeldungsArt::Warnung, warnung);
}

void TVarEditform::ListBox1Entf()
{
    Varaktuell();
    if (listBox1->selectedItems().isEmpty()) {
        meldung(MeldungsArt::Fehler, NichtSelektiert);
        return;
    }
    termLoeschen(false);
}

void TVarEditform::termLoeschen(bool edit2Leeren)
{
    aenderungMerken();
    const int k = listBox1->row(listBox1->selectedItems().first());
    delete listBox1->takeItem(k);
    TermEntfernen(fuzzyVar, k + 1);
    if (edit2Leeren)
        edit2->clear();
    // The list is the master of the names.
    listeUebernehmen();
    listBox1->clearSelection();
    Tabaktuell();
}

void TVarEditform::nameBereinigen(QLineEdit* feld)
{
    const QString text = feld->text();
    const QString sauber = NameOhneSteuerzeichen(text);
    if (sauber == text)
        return;
    const int cursor = feld->cursorPosition() - static_cast<int>(text.size() - sauber.size());
    feld->setText(sauber);
    feld->setCursorPosition(std::max(0, cursor));
}

// --- keys and clicks -------------------------------------------------------

void TVarEditform::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        // No default button: Enter does what its control says, or clicks the
        // focused button, and never closes the dialog by itself.
        if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()))
            knopf->click();
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

bool TVarEditform::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress
        && (objekt == edit1 || objekt == singEdit1 || objekt == singEdit2 || objekt == edit2))
        aenderungMerken();
    if (objekt == listBox1 && ereignis->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Delete) {
        ListBox1Entf();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
