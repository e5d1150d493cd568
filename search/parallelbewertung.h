#pragma once

#include "search/arbeiterpool.h"
#include "search/bewertung.h"
#include "search/suchparameter.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// The processor's cores (at least 1, at most 64): the threads a window grades
// with.
int KernAnzahl();

// The grading of one generation shared out among worker threads: each
// distinct chromosome is graded whole by ChromosomBewerten on one worker, with
// the worker's own copies of the variables and its own plant. The calling
// thread takes the gradings in line order. No random number is drawn here, so
// the thread count cannot change a result.
class TParallelBewertung {
public:
    // Starts the workers of `pool` (at most one per distinct chromosome); the
    // calling thread is one of them and grades before the constructor returns.
    // With an observer it hands events to it after each chromosome it graded,
    // so that a window stays alive meanwhile.
    TParallelBewertung(TArbeiterPool& pool, const std::vector<int>& quellen,
                       const std::array<TRegelsystem, MaxChromosomen>& regelsysteme, const TKranKopien& vorlage,
                       int threads, std::atomic<bool>& stop, TSuchBeobachter* beobachter = nullptr);
    ~TParallelBewertung();
    TParallelBewertung(const TParallelBewertung&) = delete;
    TParallelBewertung& operator=(const TParallelBewertung&) = delete;

    // The grading that line i takes (its source's) once it is done.
    const TChromosomBewertung& abwarten(int i);
    // Waits until every chromosome is graded, handing events to the observer
    // every few milliseconds: the calling thread wakes once, not once per
    // chromosome.
    void alleAbwarten(TSuchBeobachter& beobachter);

private:
    // Every worker sets the inputs' values and the output's heights of its own
    // copies; each set lies on cache lines of its own.
    struct alignas(128) TArbeiterKopien {
        TKranKopien kopien;
    };

    void arbeiten(TKranKopien& eigene, TSuchBeobachter* beobachter = nullptr);

    const std::vector<int> quellen_;
    const std::array<TRegelsystem, MaxChromosomen>& regelsysteme_;
    std::atomic<bool>& stop_;
    std::vector<int> auftraege_;
    std::vector<TChromosomBewertung> ergebnisse_;
    std::vector<char> fertig_;
    std::size_t fertigAnzahl_ = 0;
    // The line the calling thread waits for; -1: all of them.
    int wartetAuf_ = -2;
    std::vector<TArbeiterKopien> kopien_;
    TArbeiterPool& pool_;
    std::mutex m_;
    std::condition_variable fertigMeldung_;
    std::atomic<std::size_t> naechster_{0};
};
