// Fails when the German locale is missing, so that the test runs under it
// do not pass without having met a decimal comma.
#include <clocale>
#include <cstdio>

int main()
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::fputs("Das Gebietsschema de_DE.UTF-8 fehlt (scripts/test erzeugt es).\n", stderr);
        return 1;
    }
    return 0;
}
