#pragma once

#include <cstdint>

// A clock the test moves by hand; while one exists the engine reads it
// instead of SDL's ticks.
class TestUhr
{
public:
    explicit TestUhr(std::uint32_t start = 0);
    ~TestUhr();
    TestUhr(const TestUhr&) = delete;
    TestUhr& operator=(const TestUhr&) = delete;

    void Setze(std::uint32_t ms);
    void Weiter(std::uint32_t ms);
    std::uint32_t Jetzt() const;
};
