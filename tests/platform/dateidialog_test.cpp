#include "platform/dateidialog.h"
#include "platform/hilfe.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QApplication>
#include <QTest>

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

TEST(MitStandardEndung, AppendsOnlyToAFileNameWithoutExtension)
{
    const struct {
        const char* name;
        const char* ergebnis;
    } faelle[] = {
        {"/home/anna/pendel", "/home/anna/pendel.FUZ"},
        {"/home/anna/pendel.fuz", "/home/anna/pendel.fuz"},
        {"/home/anna/pendel.txt", "/home/anna/pendel.txt"},
        {"/home/a.b/pendel", "/home/a.b/pendel.FUZ"},  // a dot in a directory is no extension
        {"pendel.", "pendel."},
        {"mein projekt", "mein projekt.FUZ"},
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(MitStandardEndung(QString::fromUtf8(f.name), QStringLiteral("FUZ")), QString::fromUtf8(f.ergebnis))
            << f.name;
}

TDateiDialog speichernDialog()
{
    TDateiDialog d;
    d.art = TDateiDialog::Art::Speichern;
    d.titel = QStringLiteral("Fuzzy-Datei speichern unter");
    d.filter = QStringLiteral("Fuzzy-Datei (*.FUZ)");
    d.standardEndung = QStringLiteral("FUZ");
    d.hilfeSeite = HilfeSeite::Dateien;
    return d;
}

TEST(DateiDialog, SaveAppendsTheDefaultExtensionToTheChosenNameOpenDoesNot)
{
    ScopedDateiDialoge d({QStringLiteral("/tmp/x/pendel"), QStringLiteral("/tmp/x/pendel"), std::nullopt});
    EXPECT_EQ(DateiDialog(speichernDialog()), QStringLiteral("/tmp/x/pendel.FUZ"));
    TDateiDialog oeffnen;
    oeffnen.standardEndung = QStringLiteral("fuz");
    EXPECT_EQ(DateiDialog(oeffnen), QStringLiteral("/tmp/x/pendel"));
    EXPECT_EQ(DateiDialog(speichernDialog()), std::nullopt);
    // Without a scripted answer the dialog counts as cancelled.
    EXPECT_EQ(DateiDialog(speichernDialog()), std::nullopt);
    ASSERT_EQ(d.dialoge().size(), 4);
    EXPECT_EQ(d.dialoge().at(0).titel, QStringLiteral("Fuzzy-Datei speichern unter"));
}

TEST(DateiDialogErstellen, OpenDialogWantsAnExistingFileAndProposesTheName)
{
    TDateiDialog d;
    d.titel = QStringLiteral("Fuzzy-Datei öffnen");
    d.filter = QStringLiteral("Fuzzy-Datei (*.Fuz)");
    d.standardEndung = QStringLiteral("fuz");
    d.vorschlag = QStringLiteral("Neu");
    auto dialog = DateiDialogErstellen(d);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Fuzzy-Datei öffnen"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Fuzzy-Datei (*.Fuz)")});
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("fuz"));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    // Qt's own dialog matches the filter without regard to letter case.
    EXPECT_FALSE(dialog->filter().testFlag(QDir::CaseSensitive));
    const auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->text(), QStringLiteral("Neu"));
    EXPECT_EQ(HilfeSeiteVon(dialog.get()), std::nullopt);
}

TEST(DateiDialogErstellen, SaveDialogAsksBeforeOverwritingAndF1OpensItsHelp)
{
    ScopedHilfe hilfe;
    auto dialog = DateiDialogErstellen(speichernDialog());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("FUZ"));

    THilfetaste f1;
    qApp->installEventFilter(&f1);
    dialog->show();
    QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog.get(), Qt::Key_F1);
    qApp->removeEventFilter(&f1);
    dialog->close();
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Dateien});
}

} // namespace
