#include "platform/pause.h"

#include "platform/uhr.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace {

// Events are handed to Qt at least this often while waiting.
constexpr std::uint32_t Scheibe = 5;

} // namespace

void Pause(std::uint32_t ms)
{
    const std::uint32_t start = TickCount();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(Scheibe));
        const std::uint32_t vergangen = TickCount() - start;
        if (vergangen >= ms)
            return;
        if (EchteUhr())
            QThread::msleep(std::min(ms - vergangen, Scheibe));
    }
}
