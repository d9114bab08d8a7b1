#include "VOQ_Zeit.h"

#include "SDL.h"

namespace
{
std::uint32_t SdlTicks()
{
    return SDL_GetTicks();
}
}

VOQ_Zeit::Quelle VOQ_Zeit::quelle = SdlTicks;

std::uint32_t VOQ_Zeit::Ticks()
{
    return quelle();
}

void VOQ_Zeit::SetzeQuelle(Quelle neu)
{
    quelle = neu ? neu : SdlTicks;
}
