#pragma once

#include "search/zufall.h"

#include <deque>
#include <utility>

// Hands out a scripted sequence to the search, for tests. When a queue runs
// dry, reals read 0 and integers 0, and ueberzogen() reports it.
class TZufallsfolge : public TZufall {
public:
    TZufallsfolge() = default;
    TZufallsfolge(std::deque<double> reals, std::deque<int> ganze)
        : reals_(std::move(reals)), ganze_(std::move(ganze))
    {
    }

    void real(double u) { reals_.push_back(u); }
    void ganzzahl(int k) { ganze_.push_back(k); }
    bool leer() const { return reals_.empty() && ganze_.empty(); }
    bool ueberzogen() const { return ueberzogen_; }
    // Integer draws with their m, in the order they were made.
    const std::deque<int>& grenzen() const { return grenzen_; }

    double Real() override
    {
        if (reals_.empty()) {
            ueberzogen_ = true;
            return 0;
        }
        const double u = reals_.front();
        reals_.pop_front();
        return u;
    }

    int Ganzzahl(int m) override
    {
        grenzen_.push_back(m);
        if (ganze_.empty()) {
            ueberzogen_ = true;
            return 0;
        }
        const int k = ganze_.front();
        ganze_.pop_front();
        return k;
    }

private:
    std::deque<double> reals_;
    std::deque<int> ganze_;
    std::deque<int> grenzen_;
    bool ueberzogen_ = false;
};
