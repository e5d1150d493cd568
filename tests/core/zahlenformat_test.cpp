#include "core/zahlenformat.h"

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Zahlenformat, FestKommaRoundsHalfAwayFromZeroOnExactDigits)
{
    struct Fall {
        double wert;
        int stellen, breite;
        const char* text;
    };
    const Fall faelle[] = {
        {0.125, 2, 4, "0.13"},       // exact half: printf would give 0.12
        {2.5, 0, 1, "3"},
        {-2.5, 0, 1, "-3"},
        {-0.005f, 2, 5, " 0.00"},    // the float lies just below the half; no "-0.00"
        {0.015625, 5, 10, "   0.01563"},
        {2.5, 5, 10, "   2.50000"},
        {-30, 5, 10, " -30.00000"},
        {1000, 5, 10, "1000.00000"},
        {-1000, 5, 10, "-1000.00000"},
        {0.123456f, 5, 10, "   0.12346"},
        {9.999996, 5, 10, "  10.00000"},
        {0.75, 2, 4, "0.75"},
        {100, 2, 4, "100.00"},
        {-10, 2, 7, " -10.00"},
        {1234.5, 2, 7, "1234.50"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FestKomma(f.wert, f.stellen, f.breite), QString::fromLatin1(f.text)) << f.wert;
    EXPECT_EQ(RealZeile(0.0f), QStringLiteral("   0.00000"));
}

TEST(Zahlenformat, RealLinesReadTolerantly)
{
    struct Fall {
        const char* text;
        std::optional<float> wert;
    };
    const Fall faelle[] = {
        {"   2.50000", 2.5f}, {" -30.00000", -30.0f}, {"1e3", 1000.0f}, {"+1.5E-1", 0.15f},
        {"7", 7.0f}, {"3.", 3.0f}, {"", std::nullopt}, {"abc", std::nullopt}, {"1.5x", std::nullopt},
        {"2.5 ", std::nullopt}, {".5", std::nullopt}, {"1e", std::nullopt}, {"-", std::nullopt},
        {"1,5", std::nullopt}, {"0.12346", 0.12346f},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(LiesReal(QString::fromLatin1(f.text)), f.wert) << f.text;
    EXPECT_EQ(LiesReal(QStringLiteral("1e99")), std::numeric_limits<float>::infinity());
}

TEST(Zahlenformat, IntegerLinesReadStrictly)
{
    struct Fall {
        const char* text;
        std::optional<std::int32_t> wert;
    };
    const Fall faelle[] = {
        {"0", 0}, {"  5", 5}, {"-3", -3}, {"+4", 4}, {"", std::nullopt}, {"5 ", std::nullopt},
        {"x", std::nullopt}, {"1.0", std::nullopt}, {"2147483648", std::nullopt},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()}, {"+-1", std::nullopt}, {"- 1", std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(LiesGanzzahl(QString::fromLatin1(f.text)), f.wert) << f.text;
}

} // namespace
