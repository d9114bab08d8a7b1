#include "TestUhr.h"

#include "VOQ_Zeit.h"

namespace
{
std::uint32_t zeit = 0;

std::uint32_t Lesen()
{
    return zeit;
}
}

TestUhr::TestUhr(std::uint32_t start)
{
    zeit = start;
    VOQ_Zeit::SetzeQuelle(Lesen);
}

TestUhr::~TestUhr()
{
    VOQ_Zeit::SetzeQuelle(nullptr);
}

void TestUhr::Setze(std::uint32_t ms) { zeit = ms; }
void TestUhr::Weiter(std::uint32_t ms) { zeit += ms; }
std::uint32_t TestUhr::Jetzt() const { return zeit; }
