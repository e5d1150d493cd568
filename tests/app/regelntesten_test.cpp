// "Regeln → Testen": the tester gets copies of the project and gives nothing back.
#include "app/mainform.h"
#include "core/projekt.h"
#include "forms/regtestform.h"
#include "platform/modal.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

TEST(RegelnTesten, MenuAndButtonOpenTheTesterOnCopiesAndNothingComesBack)
{
    TMainForm f;
    TProjekt& p = f.Projekt();
    p.Dateiname = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");
    ASSERT_FALSE(LoadFile(p).meldung.has_value());
    const QByteArray vorher = ProjektBytes(p);
    int geoeffnet = 0;
    ScopedModal modal([&](QDialog& d) {
        auto* t = qobject_cast<TRegTestForm*>(&d);
        EXPECT_NE(t, nullptr);
        if (!t)
            return int(QDialog::Rejected);
        ++geoeffnet;
        EXPECT_EQ(t->Daten().Regeltab, p.Regeltab);
        EXPECT_EQ(t->Daten().EingangA.Name(), p.EingangA.Name());
        EXPECT_EQ(t->Daten().Ausgang.Name(), p.Ausgang.Name());
        // Moving the inputs rewrites the tester's output heights, not the project's.
        t->ScrollBar1()->setValue(140);
        t->ScrollBar2()->setValue(33);
        return int(QDialog::Accepted);
    });
    f.Menue().RegelnTesten->trigger();
    f.Knoepfe().RegelnTesten->trigger();
    EXPECT_EQ(geoeffnet, 2);
    EXPECT_EQ(ProjektBytes(p), vorher);
    EXPECT_FALSE(p.Geaendert);
    EXPECT_TRUE(f.Menue().RegelnTesten->isEnabled());
    EXPECT_EQ(f.RegTestForm()->DDGraphForm(), f.DDGraphForm());
}

} // namespace
