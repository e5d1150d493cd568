// The assistant's order of steps, with the commands recorded.
#include "app/assistent.h"
#include "platform/meldung.h"

#include <QStringList>

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

// Records the commands and the message boxes in one list, in the order they come.
class Ablauf {
public:
    explicit Ablauf(Antwort frage, bool editorOk)
        : editorOk(editorOk)
    {
        vorher = setzeMeldungsHandler([this, frage](MeldungsArt art, const QString& text, bool jaNein) {
            schritte.append((art == MeldungsArt::Information ? QStringLiteral("Info: ") : QStringLiteral("Frage: ")) +
                            text);
            return jaNein ? frage : Antwort::Ok;
        });
    }
    ~Ablauf() { setzeMeldungsHandler(vorher); }

    TAssistentBefehle befehle()
    {
        return {[this] { schritte.append(QStringLiteral("Neu")); },
                [this](int welche) {
                    schritte.append(QStringLiteral("Variable %1").arg(welche));
                    return editorOk;
                },
                [this] { schritte.append(QStringLiteral("Regeln")); }};
    }

    QStringList schritte;

private:
    bool editorOk;
    MeldungsHandler vorher;
};

TEST(Assistent, LeadsThroughEveryStepInOrderWhateverTheEditorsReturn)
{
    const QString a = QStringLiteral("Info: Definieren Sie die Fuzzyvariable für den Eingang A!");
    const QString frage = QStringLiteral("Frage: Wollen Sie auch noch eine weitere Eingangsvariable definieren?");
    const QString aus = QStringLiteral("Info: Definieren Sie die Fuzzyvariable für den Ausgang!");
    const QString regeln = QStringLiteral("Info: Geben Sie nun die Regeln ein!");
    struct Fall {
        Antwort frage;
        bool editorOk;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {Antwort::Ja, true,
         {"Neu", a, "Variable 1", frage, "Variable 2", aus, "Variable 3", regeln, "Regeln"}},
        {Antwort::Nein, true, {"Neu", a, "Variable 1", frage, aus, "Variable 3", regeln, "Regeln"}},
        {Antwort::Ja, false,
         {"Neu", a, "Variable 1", frage, "Variable 2", aus, "Variable 3", regeln, "Regeln"}},
    };
    for (const Fall& fall : faelle) {
        Ablauf ablauf(fall.frage, fall.editorOk);
        Assistent(ablauf.befehle());
        EXPECT_EQ(ablauf.schritte, fall.erwartet) << int(fall.frage) << fall.editorOk;
    }
}

} // namespace
