#include "search/evolution.h"

#include "core/zahlenformat.h"
#include "search/parallelbewertung.h"
#include "search/suchtexte.h"

#include <algorithm>
#include <cmath>

TEvolution::TEvolution()
    : eigenerZufall_(std::make_unique<TStandardZufall>())
    , zufall_(eigenerZufall_.get())
{
    kopien_.Pendel.setPendelTyp(false);
}

TEvolution::~TEvolution() = default;

void TEvolution::setZufall(TZufall* zufall)
{
    zufall_ = zufall ? zufall : eigenerZufall_.get();
}

void TEvolution::VariablenUebernehmen(const TSuchVariablen& variablen)
{
    ::VariablenUebernehmen(kopien_, variablen);
}

void TEvolution::setListe(const QStringList& liste)
{
    if (!laeuft_)
        liste_ = liste;
}

void TEvolution::melde(MeldungsArt art, const QString& text)
{
    if (beobachter_)
        beobachter_->meldung(TMeldung{art, text});
}

bool TEvolution::alleDefiniert() const
{
    return kopien_.EingangA.definiert() && kopien_.EingangB.definiert() && kopien_.Ausgang.definiert();
}

void TEvolution::Protokolliere(const QString& s)
{
    if (simulationbeenden_)
        return;
    if (beobachter_ && !beobachter_->protokolliere(s)) {
        melde(MeldungsArt::Warnung, SuchTexte::protokollVoll);
        simulationbeenden_ = true;
    }
}

void TEvolution::Erzeugen()
{
    // The running loop reads the list; a new one must wait for its end.
    if (laeuft_)
        return;
    liste_.clear();
    for (int i = 0; i < parameter_.ChromosomenAnzahl; ++i) {
        QString chromosom(ChromosomLaenge, QLatin1Char('0'));
        for (int k = 0; k < ChromosomLaenge; ++k) {
            if (!(static_cast<float>(zufall_->Real()) < 0.5f))
                chromosom[k] = QLatin1Char('1');
        }
        liste_.append(chromosom);
    }
    if (beobachter_)
        beobachter_->listeGeaendert(liste_);
}

bool TEvolution::startPruefen()
{
    if (!ChromosomenlistePruefen(liste_)) {
        melde(MeldungsArt::Fehler, SuchTexte::listeFalsch);
        return false;
    }
    if (!TermanzahlPruefen(kopien_.EingangA, kopien_.EingangB, kopien_.Ausgang)) {
        melde(MeldungsArt::Fehler, SuchTexte::termanzahlFalsch);
        return false;
    }
    std::int32_t& anzahl = parameter_.ChromosomenAnzahl;
    if (anzahl < MinChromosomen) {
        melde(MeldungsArt::Warnung, SuchTexte::minimal2);
        return false;
    }
    if (anzahl > MaxChromosomen) {
        melde(MeldungsArt::Warnung, SuchTexte::maximal40);
        anzahl = MaxChromosomen;
    }
    if (anzahl % 2 != 0) {
        melde(MeldungsArt::Warnung, SuchTexte::anzahlUngerade);
        return false;
    }
    if (liste_.size() < anzahl) {
        melde(MeldungsArt::Warnung, SuchTexte::zuWenigZeilen);
        return false;
    }
    return true;
}

bool TEvolution::Starten(int generationenGrenze)
{
    if (laeuft_ || !startPruefen())
        return false;

    // Handlers may change the count during the search (the parameter dialog
    // could); the search keeps the count it started with.
    n_ = parameter_.ChromosomenAnzahl;
    laeuft_ = true;
    generation_ = 0;
    besterBisher_.reset();
    if (beobachter_)
        beobachter_->protokollLeeren();
    simulationbeenden_ = false;
    for (;;) {
        ++generation_;
        Protokolliere(QStringLiteral("Generation: ") + QString::number(generation_));
        Protokolliere(QString(37, QLatin1Char('-')));
        Protokolliere(QStringLiteral(" "));
        if (beobachter_)
            beobachter_->zeigeGeneration(generation_);
        // A log that could not take the header has stopped the search; the
        // grading would clear that stop and warn a second time.
        if (simulationbeenden_)
            break;
        Dekodieren();
        GenerationBewerten();
        if (!simulationbeenden_ && Selektion()) {
            Kreuzung();
            Mutation();
            if (beobachter_) {
                beobachter_->listeGeaendert(liste_);
                beobachter_->generationBeendet(generation_);
            }
        }
        if (beobachter_)
            beobachter_->ereignisse();
        if (generationenGrenze > 0 && generation_ >= generationenGrenze)
            simulationbeenden_ = true;
        if (simulationbeenden_)
            break;
    }
    laeuft_ = false;
    return true;
}

int TEvolution::Anzahl() const
{
    if (laeuft_)
        return n_;
    // Outside a search the list may be shorter than the count: no line beyond
    // it is read.
    return static_cast<int>(
        std::clamp<qsizetype>(std::min<qsizetype>(parameter_.ChromosomenAnzahl, liste_.size()), 0, MaxChromosomen));
}

void TEvolution::Dekodieren()
{
    const int n = Anzahl();
    for (int i = 0; i < n; ++i)
        StringToRegelsystem(liste_[i], regelsystemliste_[i]);
}

void TEvolution::GenerationBewerten()
{
    simulationbeenden_ = false;
    const std::vector<int> quellen = NotenQuellen(liste_, Anzahl());
    bewertet_ = static_cast<int>(quellen.size());
    if (threads_ > 1 && !echtzeit_ && alleDefiniert())
        parallelBewerten(quellen);
    else
        sequentiellBewerten(quellen);
    Protokolliere(QString(40, QLatin1Char('-')));
}

void TEvolution::sequentiellBewerten(const std::vector<int>& quellen)
{
    const int n = static_cast<int>(quellen.size());
    for (int i = 0; i < n; ++i) {
        if (beobachter_)
            beobachter_->zeigeChromosomNr(i + 1);
        // A line equal to an earlier one takes its grade without any run.
        if (quellen[i] != i) {
            chromosomBewertet(i + 1, bewertung_[quellen[i]], vollstaendig_[quellen[i]]);
            continue;
        }
        const TChromosomBewertung b =
            ChromosomBewerten(regelsystemliste_[i], kopien_, simulationbeenden_, beobachter_, &echtzeit_);
        chromosomBewertet(i + 1, b.ChrNote, b.vollstaendig);
    }
}

// This thread hands the grades out in chromosome order, so that grades,
// displays and log read as if graded one by one.
void TEvolution::parallelBewerten(const std::vector<int>& quellen)
{
    const int n = static_cast<int>(quellen.size());
    // This thread grades too; a window gets its events between the
    // chromosomes this thread grades and while it waits for the other
    // workers. Then it is shown every chromosome in turn.
    TParallelBewertung bewertung(pool_, quellen, regelsystemliste_, kopien_, threads_, simulationbeenden_,
                                 beobachter_);
    if (beobachter_)
        bewertung.alleAbwarten(*beobachter_);
    // Each line's run displays are overwritten by the next graded line's
    // before the window shows them: only the last graded line's are drawn.
    int zuletztGelaufen = -1;
    for (int i = 0; beobachter_ && i < n; ++i) {
        if (quellen[i] == i && bewertung.abwarten(i).letzter >= 0)
            zuletztGelaufen = i;
    }
    for (int i = 0; i < n; ++i) {
        if (beobachter_)
            beobachter_->zeigeChromosomNr(i + 1);
        const TChromosomBewertung& b = bewertung.abwarten(i);
        if (i == zuletztGelaufen)
            laufZeigen(b);
        chromosomBewertet(i + 1, b.ChrNote, b.vollstaendig);
    }
}

// What a run on this thread would have left: the displays and the plot with
// the target mark and the crane where the last run ended, and the plant.
void TEvolution::laufZeigen(const TChromosomBewertung& b)
{
    if (!beobachter_ || b.letzter < 0)
        return;
    kopien_.Pendel = b.endzustand;
    const TTestlaufErgebnis& lauf = b.lauf[b.letzter];
    beobachter_->zeigeTestlaufNr(b.letzter + 1);
    beobachter_->plotLoeschen();
    beobachter_->zielmarke();
    beobachter_->zeigePendel(kopien_.Pendel);
    beobachter_->zeigeZeit(lauf.Zeit);
    beobachter_->zeigeEinzelnote(lauf.Bewertungszahl);
}

void TEvolution::chromosomBewertet(int i, float note, bool vollstaendig)
{
    bewertung_[i - 1] = note;
    vollstaendig_[i - 1] = vollstaendig;
    if (beobachter_)
        beobachter_->zeigeChrNote(note);
    if (vollstaendig && (!besterBisher_ || note < besterBisher_->ChrNote)) {
        besterBisher_ = TBesterBisher{note, liste_[i - 1], generation_};
        if (beobachter_)
            beobachter_->zeigeBesterBisher(note);
    }
    if (protokollOffen())
        Protokolliere(QString::number(i) + QStringLiteral(". Chromosom: ") + ProtokollZahl(note));
}

QString TEvolution::BesterChromosomText() const
{
    const int nr = BesterChromosom();
    return nr > 0 ? ChromosomText(Regelsystem(nr)) : QString();
}

int TEvolution::BesterChromosom() const
{
    int beste = bewertet_ > 0 ? 1 : 0;
    for (int i = 2; i <= bewertet_; ++i) {
        if (bewertung_[i - 1] < bewertung_[beste - 1])
            beste = i;
    }
    return beste;
}

bool TEvolution::Selektion()
{
    const int n = Anzahl();
    float summe = 0;
    for (int i = 0; i < n; ++i)
        summe = summe + bewertung_[i];
    const float genNote = static_cast<float>(double(summe) / n);
    if (beobachter_)
        beobachter_->zeigeGenNote(genNote);
    if (protokollOffen())
        Protokolliere(QStringLiteral("Durchschnittsnote: ") + ProtokollZahl(genNote));
    Protokolliere(QStringLiteral(" "));
    Protokolliere(QStringLiteral(" "));

    // Grades that overflowed (or none at all) would make the draws below go on
    // for ever.
    if (!(std::isfinite(genNote) && genNote > 0)) {
        melde(MeldungsArt::Warnung, SuchTexte::noteUnendlich);
        simulationbeenden_ = true;
        return false;
    }

    const double schwelle = double(genNote) / 1000;
    neueListe_.clear();
    // Most draws are refused, a thousand and more per line taken: with the
    // standard source the draws are made without a call.
    if (auto* standard = dynamic_cast<TStandardZufall*>(zufall_))
        ziehen(*standard, n, schwelle);
    else
        ziehen(*zufall_, n, schwelle);
    liste_ = neueListe_;
    return true;
}

template <class Zufall>
void TEvolution::ziehen(Zufall& zufall, int n, double schwelle)
{
    while (neueListe_.size() < n) {
        const int k = zufall.Ganzzahl(n);
        const double u = zufall.Real();
        if (static_cast<float>(u * bewertung_[k]) < schwelle)
            neueListe_.append(liste_[k]);
    }
}

void TEvolution::Kreuzung()
{
    // Taken before the list is emptied below.
    const int n = Anzahl();
    neueListe_.clear();
    while (!liste_.isEmpty()) {
        const int k = zufall_->Ganzzahl(static_cast<int>(liste_.size()));
        neueListe_.append(liste_.takeAt(k));
    }
    const int paare = std::min<qsizetype>(n, neueListe_.size()) / 2;
    for (int p = 1; p <= paare; ++p) {
        QString kind1;
        QString kind2;
        KreuzePaar(neueListe_[2 * p - 2], neueListe_[2 * p - 1], kind1, kind2);
        liste_.append(kind1);
        liste_.append(kind2);
    }
}

void TEvolution::KreuzePaar(const QString& a, const QString& b, QString& kind1, QString& kind2)
{
    const double u = zufall_->Real();
    if (static_cast<float>(u) < parameter_.Kreuzungsrate) {
        const int k = zufall_->Ganzzahl(static_cast<int>(a.size())) + 1;
        kind1 = a.left(k) + b.mid(k);
        kind2 = b.left(k) + a.mid(k);
    } else {
        kind1 = a;
        kind2 = b;
    }
}

void TEvolution::Mutation()
{
    const int n = std::min<qsizetype>(Anzahl(), liste_.size());
    for (int i = 0; i < n; ++i) {
        const double u = zufall_->Real();
        if (!(static_cast<float>(u) < parameter_.mutationsrate))
            continue;
        QString& zeile = liste_[i];
        const int k = zufall_->Ganzzahl(static_cast<int>(zeile.size()));
        if (k < zeile.size())
            zeile[k] = zeile[k] == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
    }
}
