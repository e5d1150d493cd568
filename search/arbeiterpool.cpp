#include "search/arbeiterpool.h"

TArbeiterPool::~TArbeiterPool()
{
    {
        const std::lock_guard<std::mutex> sperre(m_);
        ende_ = true;
    }
    arbeit_.notify_all();
    for (std::thread& t : threads_)
        t.join();
}

void TArbeiterPool::Ausfuehren(int n, std::function<void(int)> auftrag)
{
    if (n <= 0)
        return;
    {
        const std::lock_guard<std::mutex> sperre(m_);
        auftrag_ = std::move(auftrag);
        aktiv_ = n;
        offen_ = n;
        ++runde_;
        while (static_cast<int>(threads_.size()) < n) {
            const int t = static_cast<int>(threads_.size());
            threads_.emplace_back([this, t] { schleife(t); });
        }
    }
    arbeit_.notify_all();
}

void TArbeiterPool::Warten()
{
    std::unique_lock<std::mutex> sperre(m_);
    fertig_.wait(sperre, [this] { return offen_ == 0; });
    auftrag_ = nullptr;
}

void TArbeiterPool::schleife(int t)
{
    unsigned long gesehen = 0;
    std::unique_lock<std::mutex> sperre(m_);
    for (;;) {
        arbeit_.wait(sperre, [&] { return ende_ || (runde_ != gesehen && t < aktiv_); });
        if (ende_)
            return;
        gesehen = runde_;
        const std::function<void(int)>& auftrag = auftrag_;
        sperre.unlock();
        auftrag(t);
        sperre.lock();
        if (--offen_ == 0)
            fertig_.notify_all();
    }
}
