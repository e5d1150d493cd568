#include "core/zahlenformat.h"

#include "tests/gebietsschema.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(EditFormat, SingEditWritesFixedPointBelowThousandAndExponentFromThousandOn)
{
    struct Fall {
        float wert;
        const char* text;
    };
    const Fall faelle[] = {
        {0, "  0.0000"},
        {2.5f, "  2.5000"},
        {-3, " -3.0000"},
        {10, " 10.0000"},
        {100, "100.0000"},
        {999.99f, "999.9900"},
        {-0.5f, " -0.5000"},
        {0.03125f, "  0.0313"},     // exact half: printf would give 0.0312
        {-0.03125f, " -0.0313"},
        {-0.00001f, "  0.0000"},    // no "-0.0000"
        {-999.5f, "-999.5000"},
        {1000, " 1.0E+0003"},
        {1500, " 1.5E+0003"},
        {-12345, "-1.2E+0004"},
        {1250, " 1.3E+0003"},       // exact half of the second digit
        {9950, " 1.0E+0004"},       // rounding carries into the exponent
        {1e30f, " 1.0E+0030"},
        {-3.4e38f, "-3.4E+0038"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(SingEditText(f.wert), QString::fromLatin1(f.text)) << f.wert;
    EXPECT_EQ(SingEditText(std::numeric_limits<float>::infinity()).trimmed(), QStringLiteral("INF"));
}

TEST(EditFormat, SingEditReadsCommaAndStrictSyntaxAndBadTextAsZero)
{
    struct Fall {
        const char* text;
        float wert;
    };
    const Fall faelle[] = {
        {"1,5", 1.5f}, {" 2.5", 2.5f}, {"2.5 ", 0}, {"1e3", 1000}, {"-", 0}, {"", 0}, {".", 0},
        {".5", 0.5f}, {"5.", 5}, {"-,5", -0.5f}, {"+1.5E-1", 0.15f}, {"1e", 0}, {"1e+", 0}, {"abc", 0},
        {"1.5.3", 0}, {"1,5,3", 0}, {"12a", 0}, {"\t1", 0}, {"\xe4", 0}, {" -3.0000", -3},
        {" 1.5E+0003", 1500}, {"1e99", 0}, {"-1e99", 0}, {"1e-50", 0}, {"0.1", 0.1f},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(SingEditZahl(QString::fromLatin1(f.text)), f.wert) << f.text;
}

TEST(EditFormat, SingEditRoundTripKeepsFourDecimalsOrTwoDigits)
{
    EXPECT_EQ(SingEditZahl(SingEditText(2.71828f)), 2.7183f);
    EXPECT_EQ(SingEditZahl(SingEditText(-0.123449f)), -0.1234f);
    EXPECT_EQ(SingEditZahl(SingEditText(12345)), 12000);
    EXPECT_EQ(SingEditZahl(SingEditText(-0.00004f)), 0);
}

TEST(EditFormat, GermanLocaleChangesNeitherTextNorReading)
{
    TARVIK_DEUTSCH(deutsch);
    EXPECT_EQ(SingEditText(2.5f), QStringLiteral("  2.5000"));
    EXPECT_EQ(SingEditText(-0.5f), QStringLiteral(" -0.5000"));
    EXPECT_EQ(SingEditText(1500), QStringLiteral(" 1.5E+0003"));
    EXPECT_EQ(SingEditZahl(QStringLiteral("2,5")), 2.5f);
    EXPECT_EQ(SingEditZahl(QStringLiteral("2.5")), 2.5f);
    EXPECT_EQ(SingEditZahl(QStringLiteral("5.e1")), 50);
    EXPECT_EQ(IntEditText(-3), QStringLiteral("-3"));
}

TEST(EditFormat, IntEditReadsIntegersAndAnythingElseAsZero)
{
    struct Fall {
        const char* text;
        std::int32_t wert;
    };
    const Fall faelle[] = {
        {"30", 30}, {"-3", -3}, {" 5", 5}, {"12a", 0}, {"", 0}, {"1.5", 0}, {"2147483648", 0}, {"5 ", 0},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(IntEditZahl(QString::fromLatin1(f.text)), f.wert) << f.text;
    EXPECT_EQ(IntEditText(30), QStringLiteral("30"));
    EXPECT_EQ(IntEditText(-3), QStringLiteral("-3"));
    EXPECT_EQ(IntEditText(0), QStringLiteral("0"));
}

} // namespace

namespace {

// The grid of the variable editor must tell a typed 0 from text that is no
// number; the value is the one the edit field reads.
TEST(EditFormat, LiesSingEditZahlTellsNumbersFromOtherText)
{
    struct Fall {
        const char* text;
        std::optional<float> wert;
    };
    const Fall faelle[] = {
        {"1,5", 1.5f}, {" 2.5", 2.5f}, {"0", 0.0f}, {"-0", 0.0f}, {"1e3", 1000.0f}, {".5", 0.5f}, {"5.", 5.0f},
        {"-,5", -0.5f}, {"+1.5E-1", 0.15f}, {" -3.0000", -3.0f}, {" 1.5E+0003", 1500.0f}, {"0.13", 0.13f},
        {"1e-50", 0.0f}, {"1e-999", 0.0f}, {"3.4e38", 3.4e38f},
        {"", std::nullopt}, {" ", std::nullopt}, {".", std::nullopt}, {"-", std::nullopt}, {"-.e5", std::nullopt},
        {"2.5 ", std::nullopt}, {"1e", std::nullopt}, {"1e+", std::nullopt}, {"abc", std::nullopt},
        {"1.5.3", std::nullopt}, {"1,5,3", std::nullopt}, {"12a", std::nullopt}, {"\t1", std::nullopt},
        {"\xe4", std::nullopt}, {"1e99", std::nullopt}, {"-1e99", std::nullopt}, {"1e999", std::nullopt},
        {"3.5e38", std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(LiesSingEditZahl(QString::fromLatin1(f.text)), f.wert) << f.text;
}

} // namespace
