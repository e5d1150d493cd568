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

} // namespace

std::uint32_t TickCount()
{
    return handler()();
}

UhrHandler setzeUhrHandler(UhrHandler neu)
{
    if (!neu)
        neu = standardUhr;
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
