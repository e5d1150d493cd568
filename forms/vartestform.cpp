#include "forms/vartestform.h"

#include "core/variablenregeln.h"
#include "forms/dialoghilfe.h"
#include "forms/variablenplot.h"
#include "platform/hilfe.h"
#include "widgets/fuzzyzeichnen.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

TVarTestForm::TVarTestForm(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 511, 325, QStringLiteral("Fuzzyvariable testen"));
    // A fixed border: title, system menu and close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    const TVariablenPlot plot = VariablenPlotAnlegen(this, QRect(24, 8, 377, 225));
    panel1 = plot.panel;
    koordinatensystem1 = plot.koordinatensystem;

    scrollBar1 = new QScrollBar(Qt::Horizontal, this);
    scrollBar1->setGeometry(48, 248, 345, 20);
    scrollBar1->setRange(0, Testschritte);
    scrollBar1->setSingleStep(1);
    scrollBar1->setPageStep(1);
    // The right arrow key moves to higher values, as on a slider.
    scrollBar1->setInvertedControls(false);
    // Reached by Tab and a click, so that the arrow keys move it.
    scrollBar1->setFocusPolicy(Qt::StrongFocus);
    HinweisSetzen(scrollBar1, QStringLiteral("Eingangswert einstellen"));

    singEdit1 = new TSingEdit(this);
    singEdit1->setGeometry(416, 248, 73, 21);
    singEdit1->setReadOnly(true);
    singEdit1->setFocusPolicy(Qt::NoFocus);
    QPalette knopfflaeche = singEdit1->palette();
    knopfflaeche.setColor(QPalette::Base, knopfflaeche.color(QPalette::Button));
    singEdit1->setPalette(knopfflaeche);

    label1 = new QLabel(QStringLiteral("Z ="), this);
    QFont gross(QStringLiteral("Tahoma"));
    gross.setStyleHint(QFont::SansSerif);
    gross.setPixelSize(19);
    gross.setBold(true);
    label1->setFont(gross);
    QPalette schwarz = label1->palette();
    schwarz.setColor(QPalette::WindowText, Qt::black);
    label1->setPalette(schwarz);
    label1->move(48, 288);
    label1->setTextFormat(Qt::PlainText);
    // Wide enough for five memberships; the text grows to the right.
    label1->resize(511 - 48, QFontMetrics(gross).height());

    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(420, 8, 77, 27));
    okBtn->setAutoDefault(true);
    okBtn->setDefault(true);
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(420, 40, 77, 27));

    connect(scrollBar1, &QScrollBar::valueChanged, this, &TVarTestForm::ScrollBar1Change);
    connect(okBtn, &QPushButton::clicked, this, &TVarTestForm::accept);
    // F1 opens the same page as the help button.
    HilfeSeiteSetzen(this, HilfeSeite::Variablen, helpBtn);
}

TVarTestForm::~TVarTestForm() = default;

void TVarTestForm::oeffnen(const TFuzzy& fuzzy)
{
    variable.assign(fuzzy);
    setWindowTitle(QStringLiteral("Fuzzyvariable testen [") + variable.Name() + QLatin1Char(']'));
    variable.FarbeInit();
    variable.setX(variable.a());
    {
        // Set by the program: the handler would erase lines that were never
        // drawn on the new picture.
        const QSignalBlocker sperre(scrollBar1);
        scrollBar1->setValue(0);
    }
    singEdit1->setNumber(variable.x());
    label1->setText(variable.ZListeString());
    Neuzeichnen();
    okBtn->setFocus(Qt::OtherFocusReason);
}

void TVarTestForm::Neuzeichnen()
{
    Zeichnen(variable, *koordinatensystem1);
    linienZeichnen();
}

void TVarTestForm::linienZeichnen()
{
    koordinatensystem1->setStiftart(TStiftart::Xor);
    ZugehoerigkeitZeichnen(variable, *koordinatensystem1);
}

void TVarTestForm::ScrollBar1Change()
{
    // Drawn a second time in XOR, the lines of the old x disappear.
    linienZeichnen();
    variable.setX(Eingangswert(variable, scrollBar1->value()));
    singEdit1->setNumber(variable.x());
    linienZeichnen();
    label1->setText(variable.ZListeString());
}
