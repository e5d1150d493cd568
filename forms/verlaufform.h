#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QWidget>

class QPushButton;

// One generation of a search: its best ChrNote and its GenNote.
struct TNotenPunkt {
    int Generation = 0;
    float BesteChrNote = 0;
    float GenNote = 0;

    friend bool operator==(const TNotenPunkt&, const TNotenPunkt&) = default;
};

// The progress curve: best ChrNote and GenNote over the generations, on a
// logarithmic value axis once the grades span more than a factor of 10. The
// picture lives in a backing image; a new generation draws only its two
// segments, and the whole picture is drawn again only when a scale changes.
class TNotenPlot : public QWidget {
    Q_OBJECT
public:
    static inline const QColor BesteFarbe = QColor(0, 70, 200);
    static inline const QColor GenFarbe = QColor(220, 90, 0);

    explicit TNotenPlot(QWidget* parent = nullptr);

    void leeren();
    void anhaengen(const TNotenPunkt& punkt);
    // Several generations at once, drawn in one go.
    void anhaengen(const QList<TNotenPunkt>& neue);
    const QList<TNotenPunkt>& Punkte() const { return punkte; }

    bool Logarithmisch() const { return logarithmisch; }
    // The value range of the axis and the last generation it shows.
    double Unten() const { return unten; }
    double Oben() const { return oben; }
    int XMax() const { return xMax; }
    // Full redraws so far (a test sees that a generation draws only its part).
    int Neuzeichnungen() const { return neuzeichnungen; }

    // Logical pixel of a point; the picture is in device pixels.
    QPointF Pixel(double generation, double note) const;
    const QImage& Bild() const { return bild; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Scales for the points so far; true when they changed.
    bool skalieren();
    void neuZeichnen();
    void segmenteZeichnen(int ab);
    QRect flaeche() const;
    // Size of the picture in logical pixels.
    QSize logisch() const;

    QList<TNotenPunkt> punkte;
    QImage bild;
    bool logarithmisch = false;
    double unten = 0;
    double oben = 1;
    int xMax = 10;
    int neuzeichnungen = 0;
};

// "Verlauf der Suche": the progress curve of the current search, opened from
// the search window beside it and kept up to date after every generation.
class TVerlaufform : public QDialog {
    Q_OBJECT
public:
    explicit TVerlaufform(QWidget* parent = nullptr);

    TNotenPlot* Plot() const { return plot; }
    QPushButton* KopiereButton() const { return kopiereButton; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }

    // Puts the picture of the curve on the clipboard.
    void KopiereButtonClick();

private:
    TNotenPlot* plot;
    QPushButton* kopiereButton;
    QPushButton* okBtn;
    QPushButton* helpBtn;
};
