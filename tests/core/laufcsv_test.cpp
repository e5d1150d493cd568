// The CSV of a run, shared by the time plot and the command-line tool.
#include "core/laufcsv.h"

#include <gtest/gtest.h>

namespace {

TEST(LaufCsv, NumbersTakeTheShortestFormOfNineSignificantDigits)
{
    struct Fall {
        float wert;
        const char* text;
    };
    for (const Fall f : {Fall{0, "0"}, Fall{-3, "-3"}, Fall{1.00000012f, "1.00000012"}, Fall{0.1f, "0.100000001"},
                         Fall{1e10f, "1e+10"}, Fall{-2.5e-7f, "-2.49999999e-07"}}) {
        const TVerlaufPunkt p{f.wert, 0, 0, 0, 0, 0, false};
        EXPECT_EQ(LaufCsvZeile(p), QString::fromLatin1(f.text) + QStringLiteral(",0,0,0,0,0,0")) << f.text;
    }
}

TEST(LaufCsv, HeadThenOneLinePerRowInTheOrderOfTheColumns)
{
    const std::vector<TVerlaufPunkt> punkte{{0, -3, 0, 0, 0, 0, false}, {0.05f, -2.5f, 0.25f, -1.5f, 12, -0.75f, true}};
    EXPECT_EQ(LaufCsv(punkte), QByteArray("zeit,x,xdot,winkel,winkeldot,kraft,lampe\n"
                                          "0,-3,0,0,0,0,0\n"
                                          "0.0500000007,-2.5,0.25,-1.5,12,-0.75,1\n"));
    EXPECT_EQ(LaufCsv({}), QByteArray("zeit,x,xdot,winkel,winkeldot,kraft,lampe\n"));
}

} // namespace
