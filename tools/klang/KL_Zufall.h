#pragma once

#include <cstdint>

// A small deterministic noise source (xorshift32): the same seed gives the
// same sequence on every run, which keeps the generated files identical.
class KL_Zufall
{
public:
    explicit KL_Zufall(uint32_t saat);

    uint32_t Naechste();
    // Uniform in [-1, 1).
    float Rauschen();
    // Uniform in [0, 1).
    float Einheit();

private:
    uint32_t zustand;
};
