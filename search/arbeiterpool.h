#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Worker threads kept from one generation to the next: starting threads
// anew for every generation costs more than a generation's waits. One job at
// a time: Ausfuehren hands it to the first n workers (started when there are
// fewer), Warten waits until all of them have done it.
class TArbeiterPool {
public:
    TArbeiterPool() = default;
    ~TArbeiterPool();
    TArbeiterPool(const TArbeiterPool&) = delete;
    TArbeiterPool& operator=(const TArbeiterPool&) = delete;

    // Worker t (0..n-1) calls auftrag(t). The job must stay valid until
    // Warten has returned.
    void Ausfuehren(int n, std::function<void(int)> auftrag);
    void Warten();

private:
    void schleife(int t);

    std::mutex m_;
    std::condition_variable arbeit_;
    std::condition_variable fertig_;
    std::function<void(int)> auftrag_;
    unsigned long runde_ = 0;
    int aktiv_ = 0;
    int offen_ = 0;
    bool ende_ = false;
    std::vector<std::thread> threads_;
};
