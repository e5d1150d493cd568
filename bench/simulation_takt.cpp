// A fuzzy crane run on the real clock, offscreen: the length of each of 200
// passes and the processor time the process used meanwhile. A run that paces
// itself by sleeping shows passes of 50-55 ms and a few percent of one core;
// a wait that spins would show 100 %.
#include "app/simulationspanel.h"
#include "core/projekt.h"
#include "plant/pendel.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TProjekt projekt;
    projekt.Dateiname = QStringLiteral(TARVIK_BEISPIELE "/kran.fuz");
    LoadFile(projekt);
    TPendel pendel;
    bool abbruch = false;
    std::int32_t zeitfaktor = 1;
    TEinstellungen einstellungen;
    QWidget fenster;
    fenster.resize(800, 600);
    TSimulationspanel panel(projekt, pendel, abbruch, zeitfaktor, einstellungen, &fenster);
    fenster.show();
    panel.FuzzyRegelung2Click();

    constexpr int Durchlaeufe = 200;
    using Uhr = std::chrono::steady_clock;
    std::vector<double> dauern;
    dauern.reserve(Durchlaeufe);
    auto vorher = Uhr::now();
    const auto beginn = vorher;
    const std::clock_t cpuBeginn = std::clock();
    panel.setNachDurchlauf([&] {
        const auto jetzt = Uhr::now();
        dauern.push_back(std::chrono::duration<double, std::milli>(jetzt - vorher).count());
        vorher = jetzt;
        if (int(dauern.size()) >= Durchlaeufe)
            abbruch = true;
    });
    panel.Start2Click();
    const double cpu = double(std::clock() - cpuBeginn) / CLOCKS_PER_SEC;
    const double wand = std::chrono::duration<double>(Uhr::now() - beginn).count();
    std::vector<double> sortiert = dauern;
    std::sort(sortiert.begin(), sortiert.end());
    std::printf("passes %zu  median %.2f ms  min %.2f ms  max %.2f ms  wall %.2f s  cpu %.3f s  load %.1f %% of one core\n",
                sortiert.size(), sortiert[sortiert.size() / 2], sortiert.front(), sortiert.back(), wand, cpu,
                100 * cpu / wand);
    return 0;
}
