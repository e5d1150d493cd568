#include "platform/uhr.h"

#include <chrono>
#include <utility>

namespace {

std::uint32_t standardUhr()
{
    using namespace std::chrono;
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

UhrHandler& handler()
{
    static UhrHandler h = standardUhr;
    return h;
}

bool& echt()
{
    static bool e = true;
    return e;
}

} // namespace

std::uint32_t TickCount()
{
    return handler()();
}

bool EchteUhr()
{
    return echt();
}

UhrHandler setzeUhrHandler(UhrHandler neu)
{
    if (!neu)
        neu = standardUhr;
    auto* ziel = neu.target<std::uint32_t (*)()>();
    echt() = ziel && *ziel == &standardUhr;
    return std::exchange(handler(), std::move(neu));
}

ScopedUhr::ScopedUhr(std::uint32_t start, std::uint32_t schritt)
    : jetzt_(start)
    , schritt_(schritt)
{
    vorher_ = setzeUhrHandler([this] {
        ++ablesungen_;
        const std::uint32_t wert = jetzt_;
        jetzt_ += schritt_;
        return wert;
    });
}

ScopedUhr::~ScopedUhr()
{
    setzeUhrHandler(std::move(vorher_));
}
