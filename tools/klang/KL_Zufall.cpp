#include "KL_Zufall.h"

KL_Zufall::KL_Zufall(uint32_t saat) : zustand(saat ? saat : 0x9e3779b9u)
{
}

uint32_t KL_Zufall::Naechste()
{
    zustand ^= zustand << 13;
    zustand ^= zustand >> 17;
    zustand ^= zustand << 5;
    return zustand;
}

float KL_Zufall::Rauschen()
{
    return static_cast<float>(Naechste() >> 8) / 8388608.0f - 1.0f;
}

float KL_Zufall::Einheit()
{
    return static_cast<float>(Naechste() >> 8) / 16777216.0f;
}
