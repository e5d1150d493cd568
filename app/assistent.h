#pragma once

#include <QString>

#include <functional>

// The commands the assistant chains: the same ones the menus give.
struct TAssistentBefehle {
    // New, with its question when the project was changed.
    std::function<void()> neu;
    // The variable editor: 1 = input A, 2 = input B, 3 = output; true on OK.
    std::function<bool(int welche)> variableEditieren;
    // The rule editor, with its warning when input A or the output is undefined.
    std::function<void()> regelnEditieren;
};

namespace AssistentTexte {
inline const QString eingangA = QStringLiteral("Definieren Sie die Fuzzyvariable für den Eingang A!");
inline const QString weitererEingang = QStringLiteral("Wollen Sie auch noch eine weitere Eingangsvariable definieren?");
inline const QString ausgang = QStringLiteral("Definieren Sie die Fuzzyvariable für den Ausgang!");
inline const QString regeln = QStringLiteral("Geben Sie nun die Regeln ein!");
} // namespace AssistentTexte

// Leads a beginner from a new project through input A, input B if wanted, the
// output and the rules. Every step runs whatever the one before returned: a
// cancelled editor or a New answered No does not end the tour. A variable step
// ends with the variable defined or cancelled: the editor's OK keeps a new
// variable open until it is defined, with everything typed into it.
void Assistent(const TAssistentBefehle& befehle);
