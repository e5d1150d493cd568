#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

// The log of the genetic search: one line per call, kept when the window is
// closed. A night's search would grow the text without bound, so it takes at
// most MaxZeilen lines and refuses further ones (the search then stops with
// its message).
class TProtokollform : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxZeilen = 200000;

    explicit TProtokollform(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1() const { return memo1; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }
    QPushButton* KopiereButton() const { return kopiereButton; }

    void leeren();
    // false (and nothing appended) when the log is full.
    bool anhaengen(const QString& zeile);
    // Appends the lines that fit at once (a search's lines come in bursts);
    // the number appended.
    int anhaengen(const QStringList& zeilen);
    int Zeilen() const;
    // Lines the log still takes.
    int Platz() const { return maxZeilen > Zeilen() ? maxZeilen - Zeilen() : 0; }
    void setMaxZeilen(int anzahl) { maxZeilen = anzahl; }

    // Selects the whole text and puts it on the clipboard.
    void KopiereButtonClick();

private:
    QPlainTextEdit* memo1;
    QPushButton* okBtn;
    QPushButton* helpBtn;
    QPushButton* kopiereButton;
    int maxZeilen = MaxZeilen;
};
