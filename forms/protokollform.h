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

    QPlainTextEdit* Memo1() const { return memo; }
    QPushButton* OKBtn() const { return okKnopf; }
    QPushButton* HelpBtn() const { return hilfeKnopf; }
    QPushButton* KopiereButton() const { return kopiereKnopf; }

    void leeren();
    // false (and nothing appended) when the log is full.
    bool anhaengen(const QString& zeile);
    int Zeilen() const;
    void setMaxZeilen(int anzahl) { maxZeilen = anzahl; }

    // Selects the whole text and puts it on the clipboard.
    void KopiereButtonClick();

private:
    QPlainTextEdit* memo;
    QPushButton* okKnopf;
    QPushButton* hilfeKnopf;
    QPushButton* kopiereKnopf;
    int maxZeilen = MaxZeilen;
};
