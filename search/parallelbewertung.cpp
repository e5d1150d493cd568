#include "search/parallelbewertung.h"

#include <algorithm>
#include <chrono>

int KernAnzahl()
{
    const unsigned kerne = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp<unsigned>(kerne, 1, 64));
}

TParallelBewertung::TParallelBewertung(TArbeiterPool& pool, const std::vector<int>& quellen,
                                       const std::array<TRegelsystem, MaxChromosomen>& regelsysteme,
                                       const TKranKopien& vorlage, int threads, std::atomic<bool>& stop,
                                       TSuchBeobachter* beobachter)
    : quellen_(quellen)
    , regelsysteme_(regelsysteme)
    , stop_(stop)
    , ergebnisse_(quellen.size())
    , fertig_(quellen.size(), 0)
    , pool_(pool)
{
    for (std::size_t i = 0; i < quellen.size(); ++i) {
        if (quellen[i] == static_cast<int>(i))
            auftraege_.push_back(static_cast<int>(i));
    }
    // The copies are made here, before any worker runs.
    const int arbeiter = std::min<int>(threads, static_cast<int>(auftraege_.size()));
    kopien_.assign(arbeiter, TArbeiterKopien{vorlage});
    const int eigene = arbeiter > 0 ? 1 : 0;
    pool_.Ausfuehren(arbeiter - eigene, [this, eigene](int t) { arbeiten(kopien_[t + eigene].kopien); });
    if (eigene)
        arbeiten(kopien_[0].kopien, beobachter);
}

TParallelBewertung::~TParallelBewertung()
{
    pool_.Warten();
}

void TParallelBewertung::arbeiten(TKranKopien& eigene, TSuchBeobachter* beobachter)
{
    for (;;) {
        const std::size_t nr = naechster_.fetch_add(1);
        if (nr >= auftraege_.size())
            return;
        const int i = auftraege_[nr];
        TChromosomBewertung bewertung = ChromosomBewerten(regelsysteme_[i], eigene, stop_);
        bool wecken = false;
        {
            const std::lock_guard<std::mutex> sperre(m_);
            ergebnisse_[i] = bewertung;
            fertig_[i] = 1;
            ++fertigAnzahl_;
            // Each wake-up of the waiting thread costs a switch: only for the
            // line it waits for, or the last one.
            wecken = wartetAuf_ == i || (wartetAuf_ == -1 && fertigAnzahl_ == auftraege_.size());
        }
        if (wecken)
            fertigMeldung_.notify_all();
        if (beobachter)
            beobachter->ereignisse();
    }
}

const TChromosomBewertung& TParallelBewertung::abwarten(int i)
{
    std::unique_lock<std::mutex> sperre(m_);
    const int q = quellen_[i];
    wartetAuf_ = q;
    fertigMeldung_.wait(sperre, [&] { return fertig_[q] != 0; });
    wartetAuf_ = -2;
    // Written once, before the flag, and never again.
    return ergebnisse_[q];
}

void TParallelBewertung::alleAbwarten(TSuchBeobachter& beobachter)
{
    std::unique_lock<std::mutex> sperre(m_);
    wartetAuf_ = -1;
    // Events are handed over at least once, also when the other workers
    // were done first: a Stop pressed meanwhile still ends the grading
    // before its results are shown and logged.
    for (;;) {
        sperre.unlock();
        beobachter.ereignisse();
        sperre.lock();
        if (fertigAnzahl_ >= auftraege_.size())
            break;
        fertigMeldung_.wait_for(sperre, std::chrono::milliseconds(5));
    }
    wartetAuf_ = -2;
}
