#include "core/zahlenformat.h"

#include "tests/gebietsschema.h"
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
}

TEST(Zahlenformat, RealsBeyondTheFloatRangeAreNoNumber)
{
    // Infinity would be written back as "INF", which no reader takes.
    struct Fall {
        const char* text;
        std::optional<float> wert;
    };
    const Fall faelle[] = {
        {"1e39", std::nullopt}, {"-1e39", std::nullopt}, {"1e99", std::nullopt}, {"340282357000000000000000000000000000000", std::nullopt},
        {"1e999999999999", std::nullopt}, {"3.4e38", 3.4e38f}, {"1e-50", 0.0f}, {"0.000001e-99999999999", 0.0f},
        {"0.0000e999999", 0.0f}, {"1e-40", 1e-40f}, {"INF", std::nullopt}, {"NAN", std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(LiesReal(QString::fromLatin1(f.text)), f.wert) << f.text;
}

TEST(Zahlenformat, GleitZahlWritesLikePrintfGInTheCLocale)
{
    struct Fall {
        double wert;
        int stellen;
        const char* text;
    };
    const Fall faelle[] = {
        {0.05f, 9, "0.0500000007"}, {1.5, 9, "1.5"}, {0, 9, "0"}, {-10, 9, "-10"}, {1e30f, 9, "1.00000002e+30"},
        {123456789, 9, "123456789"}, {1234567890, 9, "1.23456789e+09"}, {0.0001, 6, "0.0001"}, {0.00001, 6, "1e-05"},
        {-3.0, 6, "-3"}, {2.5e-7f, 6, "2.5e-07"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(GleitZahl(f.wert, f.stellen), QString::fromLatin1(f.text)) << f.wert;
}

// A German desktop sets the C library's decimal point to a comma; files and
// labels must not follow it.
TEST(Zahlenformat, GermanLocaleChangesNoTextOfANumber)
{
    TARVIK_DEUTSCH(deutsch);
    EXPECT_EQ(FestKomma(-0.5, 4, 8), QStringLiteral(" -0.5000"));
    EXPECT_EQ(FestKomma(0.125, 2, 4), QStringLiteral("0.13"));
    EXPECT_EQ(RealZeile(2.5f), QStringLiteral("   2.50000"));
    EXPECT_EQ(ProtokollZahl(1346.2939453125), QStringLiteral(" 1346.29"));
    EXPECT_EQ(LiesReal(QStringLiteral("   2.50000")), 2.5f);
    EXPECT_EQ(LiesReal(QStringLiteral("2,5")), std::nullopt);
    EXPECT_EQ(LiesReal(QStringLiteral("1e39")), std::nullopt);
    EXPECT_EQ(LiesGanzzahl(QStringLiteral("-3")), -3);
    EXPECT_EQ(GleitZahl(0.05f, 9), QStringLiteral("0.0500000007"));
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
