#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

// Switches the C library to the German locale of a user's desktop (decimal
// comma) for one test, as QApplication does from the environment.
namespace gebietsschema {

class ScopedDeutsch {
public:
    ScopedDeutsch()
    {
        const char* alt = std::setlocale(LC_ALL, nullptr);
        alt_ = alt ? alt : "C";
        aktiv_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~ScopedDeutsch() { std::setlocale(LC_ALL, alt_.c_str()); }
    ScopedDeutsch(const ScopedDeutsch&) = delete;
    ScopedDeutsch& operator=(const ScopedDeutsch&) = delete;

    bool aktiv() const { return aktiv_; }

private:
    std::string alt_;
    bool aktiv_ = false;
};

} // namespace gebietsschema

// Skips the test when the machine lacks the German locale (scripts/test
// generates it).
#define TARVIK_DEUTSCH(name)                                                                       \
    gebietsschema::ScopedDeutsch name;                                                             \
    if (!name.aktiv())                                                                             \
    GTEST_SKIP() << "Gebietsschema de_DE.UTF-8 fehlt"
