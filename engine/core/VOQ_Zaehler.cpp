#include "VOQ_Zaehler.h"

#include "VOQ_Zeit.h"

#include <climits>

VOQ_Zaehler::VOQ_Zaehler()
    : laeuft(false), aktuell(0), ziel(0), intervall(0), jetzt(0), zuletzt(0), aufwaerts(false)
{
}

void VOQ_Zaehler::CountDownFrom(int start, int ms)
{
    aktuell = start;
    intervall = ms;
    aufwaerts = false;
    laeuft = true;
}

void VOQ_Zaehler::CountUpTill(int ende, int ms)
{
    ziel = ende;
    intervall = ms;
    aufwaerts = true;
    laeuft = true;
}

bool VOQ_Zaehler::IsCounting()
{
    return laeuft;
}

bool VOQ_Zaehler::Counter()
{
    if (!laeuft)
        return true;

    jetzt = static_cast<int>(VOQ_Zeit::Ticks());
    // Difference taken on unsigned values: the tick counter may wrap.
    const int vergangen = static_cast<int>(static_cast<unsigned>(jetzt) - static_cast<unsigned>(zuletzt));
    if (vergangen <= intervall)
        return false;

    if (aufwaerts) {
        if (aktuell < INT_MAX)
            ++aktuell;
        if (aktuell >= ziel) {
            laeuft = false;
            return true;
        }
    } else {
        if (aktuell > INT_MIN)
            --aktuell;
        if (aktuell <= 0) {
            laeuft = false;
            return true;
        }
    }
    zuletzt = jetzt;
    return false;
}

int VOQ_Zaehler::GetCurrent()
{
    const long long produkt = static_cast<long long>(intervall) * aktuell;
    if (produkt > INT_MAX)
        return INT_MAX;
    if (produkt < INT_MIN)
        return INT_MIN;
    return static_cast<int>(produkt);
}
