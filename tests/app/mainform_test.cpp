// The main window as it starts: state, menus, tool bar, status line.
#include "app/mainform.h"
#include "app/simulationspanel.h"
#include "app/stil.h"
#include "platform/meldung.h"
#include "platform/modal.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

TEST(Hauptfenster, StartsWithTheEmptyProjectAndTheDefaultSettings)
{
    TMainForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik 3.0"));
    const TProjekt& p = f.Projekt();
    EXPECT_EQ(p.Dateiname, QStringLiteral("Neu"));
    EXPECT_FALSE(p.Geaendert);
    EXPECT_FALSE(p.EingangA.definiert());
    EXPECT_FALSE(p.EingangB.definiert());
    EXPECT_FALSE(p.Ausgang.definiert());
    EXPECT_EQ(p.Regeltab, TRegeltab{});
    EXPECT_FALSE(f.Abbruch());
    EXPECT_EQ(f.Zeitfaktor(), 1);
    EXPECT_EQ(f.Einstellungen().Katzenstartposition, -3.0f);
    EXPECT_EQ(f.Einstellungen().Pendellaenge, 2.5f);
    EXPECT_EQ(f.Einstellungen().MinDeltaT, 20);
    EXPECT_EQ(f.Einstellungen().Startwinkel, 10.0f);
    EXPECT_EQ(f.Programmpfad(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_TRUE(f.Simulationsbereich()->isHidden());
    // Tooltips wait 10000 ms; the status line does not wait.
    EXPECT_EQ(f.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 10000);
    EXPECT_EQ(TMainForm(QStringLiteral("/opt/tarvik")).Programmpfad(), QStringLiteral("/opt/tarvik/"));
}

// "Menu|Entry|Hint" for every entry, submenus as "Menu/Submenu|Entry", separators as "-".
QStringList menueliste(const QMenuBar* leiste)
{
    QStringList zeilen;
    std::function<void(const QMenu*, const QString&)> menue = [&](const QMenu* m, const QString& pfad) {
        for (const QAction* a : m->actions()) {
            if (a->isSeparator())
                zeilen.append(pfad + QStringLiteral("|-"));
            else
                zeilen.append(pfad + QLatin1Char('|') + a->text() + QLatin1Char('|') + a->statusTip());
            if (a->menu())
                menue(a->menu(), pfad + QLatin1Char('/') + a->text());
        }
    };
    for (const QAction* a : leiste->actions())
        menue(a->menu(), a->text());
    return zeilen;
}

TEST(Hauptfenster, MenuBarHoldsEveryEntryInOrderWithAccessKeysAndHints)
{
    TMainForm f;
    const QStringList erwartet{
        QStringLiteral("&Datei|&Neu|Eine neue Datei erzeugen"),
        QStringLiteral("&Datei|&Öffnen...|Eine bestehende Datei öffnen"),
        QStringLiteral("&Datei|&Speichern|Aktuelle Datei speichern"),
        QStringLiteral("&Datei|Speichern &Unter...|Aktuelle Datei unter neuem Namen speichern"),
        QStringLiteral("&Datei|-"),
        QStringLiteral("&Datei|&Beenden|Diese Anwendung beenden"),
        QStringLiteral("&Bearbeiten|&Rückgängig|Die letzte Änderung am Projekt zurücknehmen"),
        QStringLiteral("&Bearbeiten|&Wiederherstellen|Die zurückgenommene Änderung am Projekt wiederherstellen"),
        QStringLiteral("&Bearbeiten|-"),
        QStringLiteral("&Bearbeiten|&Zwischenablage drucken|Grafik aus der Zwischenablage drucken"),
        QStringLiteral("&Fuzzyvariable|&Editieren|Fuzzyvariable editieren"),
        QStringLiteral("&Fuzzyvariable/&Editieren|Eingang &A|"),
        QStringLiteral("&Fuzzyvariable/&Editieren|Eingang &B|"),
        QStringLiteral("&Fuzzyvariable/&Editieren|Aus&gang|"),
        QStringLiteral("&Fuzzyvariable|&Testen|Fuzzyvariable testen"),
        QStringLiteral("&Fuzzyvariable/&Testen|Eingang &A|"),
        QStringLiteral("&Fuzzyvariable/&Testen|Eingang &B|"),
        QStringLiteral("&Fuzzyvariable/&Testen|Aus&gang|"),
        QStringLiteral("&Regeln|&Editieren|Regeln editieren"),
        QStringLiteral("&Regeln|&Testen|Regeln testen"),
        QStringLiteral("&Regeln|&Suchen (Laufkatze)|Regeln mit genetischem Algorithmus suchen (nur für Laufkatze)"),
        QStringLiteral("&Simulation|invertiertes &Pendel|Simulation des invertierten Pendels"),
        QStringLiteral("&Simulation/invertiertes &Pendel|&Handregelung|"),
        QStringLiteral("&Simulation/invertiertes &Pendel|&Fuzzy-Regelung|"),
        QStringLiteral("&Simulation|&Laufkatze|Simulation der Laufkatze"),
        QStringLiteral("&Simulation/&Laufkatze|&Handregelung|"),
        QStringLiteral("&Simulation/&Laufkatze|&Fuzzy-Regelung|"),
        QStringLiteral("&Experiment|RealExperiment|Realexperimente zur Fuzzyregelung"),
        QStringLiteral("&Optionen|&Parameter|Parameter verändern"),
        QStringLiteral("&Optionen|&Knopfleiste|Knopfleiste ein- oder ausschalten"),
        QStringLiteral("&Optionen|&Initialisierung|Neue Initialisierung des Tarvik-Programms"),
        QStringLiteral("&Hilfe|&Hilfethemen|Übersicht über alle Hilfeseiten"),
        QStringLiteral("&Hilfe|&Fuzzy im Internet|Aktuelles zu Fuzzy aus dem Internet"),
        QStringLiteral("&Hilfe|Inf&o...|Programminformationen anzeigen"),
        QStringLiteral("&Hilfe|-"),
        QStringLiteral("&Hilfe|&Assistent|Assistent für das Erstellen eines Fuzzyprojekts"),
        QStringLiteral("&Hilfe|Auf&gaben...|Aufgaben lösen und das Projekt prüfen lassen"),
    };
    EXPECT_EQ(menueliste(f.menuBar()), erwartet);
    EXPECT_EQ(f.Simulationsmenue()->title(), QStringLiteral("&Simulation"));
}

TEST(Hauptfenster, EveryEntryAndButtonIsEnabled)
{
    TMainForm f;
    const auto& m = f.Menue();
    const auto& k = f.Knoepfe();
    for (QAction* a : {k.Neu, k.Oeffnen, k.Speichern, k.SpeichernUnter, k.Drucken, k.Beenden, k.RegelnEditieren,
                       k.RegelnTesten, k.RegelnSuchen, k.Pendel, k.Laufkatze, k.Experiment, k.Info, k.Internet})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : {m.Neu, m.Oeffnen, m.Speichern, m.SpeichernUnter, m.Beenden, m.ZwischenablageDrucken, m.TestenA,
                       m.TestenB, m.TestenAusgang, m.RegelnEditieren, m.RegelnTesten, m.RegelnSuchen, m.Knopfleiste,
                       m.RealExperiment, m.Initialisierung, m.FuzzyImInternet, m.Info, m.PendelHand,
                       m.PendelFuzzy, m.KatzeHand, m.KatzeFuzzy, m.Parameter, m.EditierenA, m.EditierenB,
                       m.EditierenAusgang, m.Assistent})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(m.Knopfleiste->isCheckable());
    EXPECT_TRUE(m.Knopfleiste->isChecked());
}

TEST(Knopfleiste, FourteenFlatButtonsWithTheirHintsOnLightGrey)
{
    TMainForm f;
    f.show();
    QToolBar* leiste = f.Knopfleiste();
    EXPECT_EQ(f.toolBarArea(leiste), Qt::TopToolBarArea);
    EXPECT_EQ(leiste->height(), 33);

    QStringList hinweise;
    for (QAction* a : leiste->actions()) {
        if (a->isSeparator())
            continue;
        hinweise.append(a->toolTip());
        EXPECT_EQ(a->statusTip(), a->toolTip());
        EXPECT_FALSE(a->icon().isNull());
        auto* knopf = qobject_cast<QToolButton*>(leiste->widgetForAction(a));
        ASSERT_TRUE(knopf);
        EXPECT_EQ(knopf->size(), QSize(25, 25));
        EXPECT_TRUE(knopf->autoRaise());
    }
    const QStringList erwartet{
        QStringLiteral("Fuzzyvariable und Regeln neu erstellen"),
        QStringLiteral("Datei öffnen"),
        QStringLiteral("Datei speichern"),
        QStringLiteral("Speichern unter..."),
        QStringLiteral("Zwischenablage drucken"),
        QStringLiteral("Programm beenden"),
        QStringLiteral("Regeln editieren"),
        QStringLiteral("Regeln testen"),
        QStringLiteral("Regeln für die Laufkatze suchen"),
        QStringLiteral("Simulation des invertierten Pendels"),
        QStringLiteral("Simulation der Laufkatze"),
        QStringLiteral("Realexperimente mit Fuzzyregelung"),
        QStringLiteral("Information über das Programm"),
        QStringLiteral("Aktuelles zu Fuzzy aus dem Internet"),
    };
    EXPECT_EQ(hinweise, erwartet);

    // Right of the last button the bar shows its own colour.
    const QImage bild = leiste->grab().toImage();
    EXPECT_EQ(QColor(bild.pixel(bild.width() - 4, bild.height() / 2)), QColor(214, 214, 214));
}

TEST(Knopfleiste, MenuEntrySwitchesItAndCarriesTheCheckMark)
{
    TMainForm f;
    f.show();
    QAction* eintrag = f.Menue().Knopfleiste;
    eintrag->trigger();
    EXPECT_FALSE(eintrag->isChecked());
    EXPECT_FALSE(f.Knopfleiste()->isVisible());
    eintrag->trigger();
    EXPECT_TRUE(eintrag->isChecked());
    EXPECT_TRUE(f.Knopfleiste()->isVisible());
    EXPECT_EQ(f.toolBarArea(f.Knopfleiste()), Qt::TopToolBarArea);
    EXPECT_LT(f.Knopfleiste()->geometry().bottom(), f.centralWidget()->geometry().top());
}

TEST(Statuszeile, ShowsTheHintOfMenuEntriesAndButtonsAtOnce)
{
    TMainForm f;
    f.show();
    EXPECT_EQ(f.statusBar()->height(), 23);
    f.Menue().Oeffnen->showStatusText(f.menuBar());
    EXPECT_EQ(f.Statuszeile()->text(), QStringLiteral("Eine bestehende Datei öffnen"));

    QWidget* knopf = f.Knopfleiste()->widgetForAction(f.Knoepfe().Speichern);
    QEnterEvent hinein(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(knopf, &hinein);
    EXPECT_EQ(f.Statuszeile()->text(), QStringLiteral("Datei speichern"));
    QEvent hinaus(QEvent::Leave);
    QCoreApplication::sendEvent(knopf, &hinaus);
    EXPECT_EQ(f.Statuszeile()->text(), QString());
}

// Qt stops a hint at the window of its control; the main window's status line
// shows the hints of every window: each dialog the main window keeps (the
// editors, testers, options, the search windows), one made for the moment
// without a parent, and the simulation panel.
TEST(Statuszeile, ShowsTheHintsOfTheControlsInEveryWindow)
{
    TMainForm f;
    f.show();
    QDialog ohneEltern;
    auto* knopf = new QPushButton(QStringLiteral("OK"), &ohneEltern);
    knopf->setStatusTip(QStringLiteral("Eingaben übernehmen"));
    QList<QWidget*> fenster{&ohneEltern, f.Simulationspanel()};
    for (QDialog* d : f.findChildren<QDialog*>())
        fenster.append(d);
    QStringList gezeigt;
    for (QWidget* w : fenster) {
        QWidget* control = nullptr;
        for (QWidget* kind : w->findChildren<QWidget*>())
            if (!kind->statusTip().isEmpty() && !control)
                control = kind;
        if (!control)
            continue;
        QEnterEvent hinein(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(control, &hinein);
        EXPECT_EQ(f.Statuszeile()->text(), control->statusTip()) << w->metaObject()->className();
        QEvent hinaus(QEvent::Leave);
        QCoreApplication::sendEvent(control, &hinaus);
        EXPECT_EQ(f.Statuszeile()->text(), QString()) << w->metaObject()->className();
        gezeigt.append(QString::fromLatin1(w->metaObject()->className()));
    }
    for (const char* name : {"QDialog", "TSimulationspanel", "TVarEditform", "TVarTestForm", "TRegEditForm",
                             "TRegTestForm", "TDDGraphForm", "TSuchenForm", "TParameterForm"})
        EXPECT_TRUE(gezeigt.contains(QLatin1String(name))) << name;
}

TEST(Befehle, TestingAnUndefinedVariableWarns)
{
    ScopedMeldungen m;
    ScopedModal modal;
    TMainForm f;
    const QString warnung = QStringLiteral("Diese Fuzzyvariable ist (noch) nicht definiert!");
    f.Menue().TestenA->trigger();
    f.Menue().TestenB->trigger();
    f.Menue().TestenAusgang->trigger();
    EXPECT_EQ(m.meldungen(), QList<TMeldung>(3, TMeldung{MeldungsArt::Warnung, warnung}));

    f.Projekt().EingangB.setDefiniert(true);
    f.Menue().TestenB->trigger();
    EXPECT_EQ(m.meldungen().size(), 3);
}

TEST(Befehle, RuleCommandsNeedInputAAndTheOutput)
{
    const QString warnung = QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!");
    const struct {
        bool a;
        bool ausgang;
        bool warnt;
    } faelle[] = {{false, false, true}, {true, false, true}, {false, true, true}, {true, true, false}};
    for (const auto& fall : faelle) {
        ScopedMeldungen m;
        ScopedModal modal;
        TMainForm f;
        f.Projekt().EingangA.setDefiniert(fall.a);
        f.Projekt().Ausgang.setDefiniert(fall.ausgang);
        f.Menue().RegelnEditieren->trigger();
        f.Menue().RegelnTesten->trigger();
        f.Knoepfe().RegelnEditieren->trigger();
        f.Knoepfe().RegelnTesten->trigger();
        const auto erwartet = fall.warnt ? QList<TMeldung>(4, TMeldung{MeldungsArt::Warnung, warnung}) : QList<TMeldung>{};
        EXPECT_EQ(m.meldungen(), erwartet) << fall.a << fall.ausgang;
    }
}

} // namespace
