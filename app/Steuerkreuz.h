#pragma once

#include "SDL.h"

// The controller's hat, read as the four directions it can point to: each
// direction also holds in the two diagonals beside it.
namespace Steuerkreuz
{
inline bool Links(int hut)
{
    return hut == SDL_HAT_LEFT || hut == SDL_HAT_LEFTUP || hut == SDL_HAT_LEFTDOWN;
}

inline bool Rechts(int hut)
{
    return hut == SDL_HAT_RIGHT || hut == SDL_HAT_RIGHTUP || hut == SDL_HAT_RIGHTDOWN;
}

inline bool Oben(int hut)
{
    return hut == SDL_HAT_UP || hut == SDL_HAT_LEFTUP || hut == SDL_HAT_RIGHTUP;
}

inline bool Unten(int hut)
{
    return hut == SDL_HAT_DOWN || hut == SDL_HAT_LEFTDOWN || hut == SDL_HAT_RIGHTDOWN;
}
}
