#pragma once

#include <cstdint>
#include <functional>

// Milliseconds of a steady clock; wraps around after about 49 days like any
// 32-bit tick counter, so differences are taken in unsigned arithmetic.
std::uint32_t TickCount();

using UhrHandler = std::function<std::uint32_t()>;
UhrHandler setzeUhrHandler(UhrHandler handler);

// true while the steady clock of the machine is installed (no fake clock).
bool EchteUhr();

// A fake clock for as long as it lives: it shows `start`, moves on by weiter(),
// and by `schritt` ms after each reading, so a loop that waits for the clock
// ends without real time passing.
class ScopedUhr {
public:
    explicit ScopedUhr(std::uint32_t start = 0, std::uint32_t schritt = 0);
    ~ScopedUhr();
    ScopedUhr(const ScopedUhr&) = delete;
    ScopedUhr& operator=(const ScopedUhr&) = delete;

    void weiter(std::uint32_t ms) { jetzt_ += ms; }
    std::uint32_t jetzt() const { return jetzt_; }
    int ablesungen() const { return ablesungen_; }

private:
    std::uint32_t jetzt_;
    std::uint32_t schritt_;
    int ablesungen_ = 0;
    UhrHandler vorher_;
};
