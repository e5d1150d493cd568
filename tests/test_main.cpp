// main() for tests without a QApplication: takes the C library's locale from
// the environment, as QCoreApplication does in the programs, so that a run
// under LC_ALL=de_DE.UTF-8 meets the decimal comma a German desktop has.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
