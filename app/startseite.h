#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QPushButton;

// The start page of the main window for an empty project: what Tarvik is for
// and three ways to begin (the assistant, or one of the two example projects).
// It only asks for the commands by its signals; the main window runs them.
class TStartseite : public QWidget {
    Q_OBJECT
public:
    explicit TStartseite(QWidget* parent = nullptr);

    // The example projects; an empty path disables its button.
    void setBeispiele(const QString& pendel, const QString& kran);
    void setAssistentVerfuegbar(bool verfuegbar);

    QPushButton* AssistentKnopf() const { return assistentKnopf; }
    QPushButton* PendelKnopf() const { return pendelKnopf; }
    QPushButton* KranKnopf() const { return kranKnopf; }

signals:
    void AssistentGewuenscht();
    void BeispielGewuenscht(const QString& pfad);

private:
    QString pendel;
    QString kran;
    QPushButton* assistentKnopf = nullptr;
    QPushButton* pendelKnopf = nullptr;
    QPushButton* kranKnopf = nullptr;
};

// The user's and the system's data folders ($XDG_DATA_HOME, $XDG_DATA_DIRS).
QStringList Datenordner();

// Where an example project that ships with Tarvik lies: beside the program, in
// the installed data folder, in the source tree above the build folder, or in
// "tarvik/examples" of one of the data folders. Empty when it is nowhere.
QString BeispielDatei(const QString& programmpfad, const QString& name,
                      const QStringList& datenordner = Datenordner());
