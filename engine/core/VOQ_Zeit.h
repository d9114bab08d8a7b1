#pragma once

#include <cstdint>

// Millisecond clock of the engine. Everything that times itself (counters,
// animations, the frame rate, cursor scrolling) reads it here, so tests can
// put in a clock of their own instead of SDL's ticks.
class VOQ_Zeit
{
public:
    using Quelle = std::uint32_t (*)();

    static std::uint32_t Ticks();

    // nullptr restores SDL_GetTicks.
    static void SetzeQuelle(Quelle quelle);

private:
    static Quelle quelle;
};
