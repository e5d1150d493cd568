#include "core/fehler.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void standardHandler(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::exit(1);
}

FatalerFehlerHandler& aktuellerHandler()
{
    static FatalerFehlerHandler handler = standardHandler;
    return handler;
}

} // namespace

FatalerFehlerHandler setzeFatalerFehlerHandler(FatalerFehlerHandler handler)
{
    if (!handler)
        handler = standardHandler;
    return std::exchange(aktuellerHandler(), std::move(handler));
}

void FatalerFehler(const QString& text)
{
    aktuellerHandler()(text);
}

ScopedFatalerFehler::ScopedFatalerFehler()
    : vorher_(setzeFatalerFehlerHandler([this](const QString& text) { texte_.append(text); }))
{
}

ScopedFatalerFehler::~ScopedFatalerFehler()
{
    setzeFatalerFehlerHandler(std::move(vorher_));
}
