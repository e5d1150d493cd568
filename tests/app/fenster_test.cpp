// The title window, the help viewer, F1 in every window and the program's
// fatal-error handler.
#include "app/hilfeform.h"
#include "app/infoform.h"
#include "app/initform.h"
#include "app/mainform.h"
#include "app/programm.h"
#include "app/simulationspanel.h"
#include "app/titelform.h"
#include "forms/cregelform.h"
#include "forms/ddgraphform.h"
#include "forms/optionenform.h"
#include "forms/parameterform.h"
#include "forms/protokollform.h"
#include "forms/regeditform.h"
#include "forms/regtestform.h"
#include "forms/suchenform.h"
#include "forms/vareditform.h"
#include "forms/vartestform.h"
#include "forms/verlaufform.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWindow>
#include <QTimer>
#include <QTimerEvent>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(Titelfenster, BorderlessFixedSizeWithWhiteLinesThatFit)
{
    TTitelform t;
    EXPECT_EQ(t.size(), QSize(443, 338));
    EXPECT_EQ(t.minimumSize(), t.maximumSize());
    EXPECT_TRUE(t.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(t.isModal());
    ASSERT_EQ(t.Zeilen().size(), 4);
    for (const QLabel* zeile : t.Zeilen()) {
        EXPECT_FALSE(zeile->text().isEmpty());
        EXPECT_EQ(zeile->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_LE(zeile->sizeHint().width(), zeile->width()) << zeile->text().toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), t.size()).contains(zeile->geometry()));
    }
    // The picture behind them is dark, so white reads well.
    const QImage bild = t.grab().toImage();
    EXPECT_LT(qGray(bild.pixel(5, 330)), 80);
}

TEST(Titelfenster, ClosesItselfWhenItsTwoSecondsAreOver)
{
    TTitelform t;
    QTimer* zeitgeber = t.Zeitgeber();
    EXPECT_EQ(zeitgeber->interval(), 2000);
    EXPECT_TRUE(zeitgeber->isSingleShot());
    EXPECT_FALSE(zeitgeber->isActive());
    t.oeffnen();
    ASSERT_TRUE(zeitgeber->isActive());
    t.show();
    // Deliver the timer's event now instead of waiting for it.
    QTimerEvent ablauf(zeitgeber->timerId());
    QCoreApplication::sendEvent(zeitgeber, &ablauf);
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(t.result(), QDialog::Accepted);
}

TEST(Hilfefenster, ShowsThePageOfAContextOrSaysThereIsNone)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Simulation);
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(h.Browser()->source(), QUrl(QStringLiteral("qrc:/hilfe/kontext3.html")));
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Das Hauptfenster")));

    h.oeffnen(HilfeSeite::Dateien);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Fuzzy-Datei speichern unter")));
    // The pages link to each other.
    h.Browser()->setSource(QUrl(QStringLiteral("kontext3.html")));
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Das Hauptfenster")));

    h.oeffnen(HilfeSeite::Optionen);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Anzahl der Rasterlinien")));

    const auto ohneSeite = static_cast<HilfeSeite>(99);
    h.oeffnen(ohneSeite);
    EXPECT_EQ(h.Seite(), ohneSeite);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Zu diesem Thema gibt es noch keine Hilfe.")));

    setzeHilfeAnzeige(h.Anzeige());
    SchliesseHilfe();
    EXPECT_FALSE(h.isVisible());
    ZeigeHilfe(HilfeSeite::Dateien);
    EXPECT_TRUE(h.isVisible());
    EXPECT_EQ(h.Seite(), HilfeSeite::Dateien);
    setzeHilfeAnzeige({});
    h.close();
}

// Clicks go through the window system, where Qt drops the input of a window
// that a modal one blocks.
int klicksUeberDasFenster(QAbstractButton* knopf)
{
    int klicks = 0;
    const auto verbindung = QObject::connect(knopf, &QAbstractButton::clicked, [&klicks] { ++klicks; });
    QWidget* fenster = knopf->window();
    QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {}, knopf->mapTo(fenster, knopf->rect().center()));
    QObject::disconnect(verbindung);
    return klicks;
}

TEST(Hilfefenster, AskedForFromAModalDialogItAndTheDialogBothTakeInput)
{
    QWidget hauptfenster;  // what the dialog blocks
    auto* anderer = new QPushButton(QStringLiteral("Neu"), &hauptfenster);
    hauptfenster.show();
    QDialog dialog;
    auto* weiter = new QPushButton(QStringLiteral("Weiter"), &dialog);
    weiter->setGeometry(10, 10, 80, 25);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(klicksUeberDasFenster(anderer), 0);

    THilfeForm h;
    h.oeffnen(HilfeSeite::Dateien);
    EXPECT_EQ(h.windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_EQ(h.windowHandle()->transientParent(), dialog.windowHandle());
    // A window of the dialog's own, so that the window manager keeps it above the dialog.
    EXPECT_EQ(h.windowType(), Qt::Dialog);
    h.Browser()->setSource(QUrl(QStringLiteral("kontext3.html")));
    EXPECT_EQ(klicksUeberDasFenster(h.Themen()), 1);
    EXPECT_EQ(h.Browser()->source(), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
    EXPECT_EQ(klicksUeberDasFenster(weiter), 1);
    EXPECT_EQ(klicksUeberDasFenster(anderer), 0);

    // It stays when the dialog closes, and then belongs to no window.
    dialog.close();
    EXPECT_TRUE(h.isVisible());
    h.oeffnen(HilfeSeite::Simulation);
    EXPECT_EQ(h.windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(h.windowType(), Qt::Window);
    EXPECT_EQ(klicksUeberDasFenster(anderer), 1);
    h.close();
}

TEST(Hilfefenster, EscapeClosesIt)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Inhalt);
    ASSERT_TRUE(h.isVisible());
    QTest::keyClick(h.Browser(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(h.isVisible());
    QTest::keyClick(h.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(h.isVisible());
    h.oeffnen(HilfeSeite::Inhalt);
    QTest::keyClick(h.Themen(), Qt::Key_Escape);
    EXPECT_FALSE(h.isVisible());
}

// The first line in the window.
QString obersteZeile(const THilfeForm& h)
{
    return h.Browser()->cursorForPosition(QPoint(4, 4)).block().text();
}

TEST(Hilfefenster, OpensALongPageAtTheSectionAskedForAndElseAtItsTop)
{
    THilfeForm h;
    h.resize(560, 400);
    h.oeffnen(HilfeSeite::Regeln, QStringLiteral("regeltest"));
    EXPECT_EQ(h.Browser()->source().fragment(), QStringLiteral("regeltest"));
    EXPECT_EQ(obersteZeile(h), QStringLiteral("Das Fenster „Regeln testen“"));
    h.oeffnen(HilfeSeite::Regeln, QStringLiteral("kennfeld"));
    EXPECT_EQ(obersteZeile(h), QStringLiteral("Das Fenster „Fuzzy-3-D-Graph“"));
    h.oeffnen(HilfeSeite::Regeln);
    EXPECT_EQ(h.Browser()->verticalScrollBar()->value(), 0);
    // Scrolled away and asked for the same section again: back at the section.
    h.oeffnen(HilfeSeite::Regeln, QStringLiteral("kennfeld"));
    h.Browser()->verticalScrollBar()->setValue(0);
    h.oeffnen(HilfeSeite::Regeln, QStringLiteral("kennfeld"));
    EXPECT_EQ(obersteZeile(h), QStringLiteral("Das Fenster „Fuzzy-3-D-Graph“"));
    h.close();
}

// F1 anywhere in a window opens that window's page: the main window the index,
// the simulation panel inside it its own page, each dialog its page.
TEST(F1, InEveryWindowOpensItsPage)
{
    THilfetaste f1;
    qApp->installEventFilter(&f1);
    TMainForm haupt;
    TParameterForm parameter;
    TProtokollform protokoll;
    TCRegelform cregel;
    TSuchenForm suche(parameter, protokoll, cregel);
    TDDGraphForm dd;
    TDateiDialog datei;
    datei.hilfeSeite = HilfeSeite::Dateien;
    const std::unique_ptr<QFileDialog> dateidialog = DateiDialogErstellen(datei);
    const std::function<std::unique_ptr<QWidget>()> neu[] = {
        [] { return std::make_unique<TVarEditform>(); },   [] { return std::make_unique<TVarTestForm>(); },
        [] { return std::make_unique<TRegEditForm>(); },   [&dd] { return std::make_unique<TRegTestForm>(&dd); },
        [] { return std::make_unique<TOptionenform>(); },  [] { return std::make_unique<TInitform>(); },
        [] { return std::make_unique<TInfoForm>(); },
    };
    std::vector<std::unique_ptr<QWidget>> gebaut;
    for (const auto& f : neu)
        gebaut.push_back(f());
    QList<QWidget*> fenster{&haupt, haupt.Simulationspanel()};
    for (const auto& w : gebaut)
        fenster.append(w.get());
    fenster << &dd << &suche << &parameter << &protokoll << &cregel << &suche.Verlaufform() << dateidialog.get();
    const QList<HilfeSeite> erwartet{HilfeSeite::Inhalt,      HilfeSeite::Simulation, HilfeSeite::Variablen,
                                     HilfeSeite::Variablen,   HilfeSeite::Regeln,     HilfeSeite::Regeln,
                                     HilfeSeite::Optionen,    HilfeSeite::Einrichtung, HilfeSeite::Einrichtung,
                                     HilfeSeite::Regeln,      HilfeSeite::Suche,      HilfeSeite::Suche,
                                     HilfeSeite::Suche,       HilfeSeite::Suche,      HilfeSeite::Suche,
                                     HilfeSeite::Dateien};
    ASSERT_EQ(fenster.size(), erwartet.size());
    for (int n = 0; n < fenster.size(); ++n) {
        QWidget* w = fenster[n];
        // A control deep inside the window, as where the focus would be; the
        // main window's own controls are outside the simulation panel.
        const QList<QWidget*> kinder = w->findChildren<QWidget*>();
        QWidget* ziel = n == 0 || kinder.isEmpty() ? w : kinder.constLast();
        ScopedHilfe hilfe;
        QTest::keyClick(ziel, Qt::Key_F1);
        EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{erwartet[n]}) << n << " " << w->metaObject()->className();
    }
    qApp->removeEventFilter(&f1);
}

// The main window's dialogs that share a long page open it at their section,
// and that section is there on the page.
TEST(F1, WindowsSharingAPageOpenItAtTheirSection)
{
    THilfetaste f1;
    qApp->installEventFilter(&f1);
    TMainForm haupt;
    QStringList abschnitte;
    for (QDialog* d : haupt.findChildren<QDialog*>()) {
        ScopedHilfe hilfe;
        QTest::keyClick(d, Qt::Key_F1);
        if (hilfe.seiten().isEmpty() || hilfe.abschnitte().constFirst().isEmpty())
            continue;
        const QString abschnitt = hilfe.abschnitte().constFirst();
        abschnitte.append(abschnitt);
        QFile seite(THilfeForm::Seitenpfad(hilfe.seiten().constFirst()));
        ASSERT_TRUE(seite.open(QIODevice::ReadOnly)) << abschnitt.toStdString();
        EXPECT_TRUE(QString::fromUtf8(seite.readAll()).contains(QStringLiteral("<a name=\"%1\">").arg(abschnitt)))
            << abschnitt.toStdString();
    }
    qApp->removeEventFilter(&f1);
    abschnitte.sort();
    EXPECT_EQ(abschnitte, (QStringList{"chromosom", "kennfeld", "parameter", "protokoll", "regeleditor", "regeltest",
                                       "verlauf"}));
}

TEST(Programmfehler, ShowsTheErrorBoxThenEndsTheProgram)
{
    ScopedMeldungen m;
    QList<int> beendet;
    const FatalerFehlerHandler vorher = setzeFatalerFehlerHandler(ProgrammFehlerHandler([&](int s) {
        EXPECT_EQ(m.meldungen().size(), 1);  // the box comes first
        beendet.append(s);
    }));
    FatalerFehler(QStringLiteral("Termindex 4 gibt es nicht."));
    setzeFatalerFehlerHandler(vorher);
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Fehler, QStringLiteral("Termindex 4 gibt es nicht.")}}));
    EXPECT_EQ(beendet, QList<int>{1});
}

} // namespace
