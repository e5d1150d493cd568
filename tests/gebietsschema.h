#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

// Switches the C library's locale for one test, as QApplication does from the
// environment: a German desktop has a decimal comma there.
namespace gebietsschema {

class ScopedGebietsschema {
public:
    explicit ScopedGebietsschema(const char* name)
    {
        const char* alt = std::setlocale(LC_ALL, nullptr);
        alt_ = alt ? alt : "C";
        aktiv_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedGebietsschema() { std::setlocale(LC_ALL, alt_.c_str()); }
    ScopedGebietsschema(const ScopedGebietsschema&) = delete;
    ScopedGebietsschema& operator=(const ScopedGebietsschema&) = delete;

    bool aktiv() const { return aktiv_; }

private:
    std::string alt_;
    bool aktiv_ = false;
};

} // namespace gebietsschema

// The German locale for the rest of the test; skips the test when the machine
// lacks it (scripts/test generates it, and the test runs under LC_ALL=de_DE.UTF-8
// fail without it).
#define TARVIK_DEUTSCH(name)                                                                       \
    gebietsschema::ScopedGebietsschema name("de_DE.UTF-8");                                        \
    if (!name.aktiv())                                                                             \
    GTEST_SKIP() << "Gebietsschema de_DE.UTF-8 fehlt"
