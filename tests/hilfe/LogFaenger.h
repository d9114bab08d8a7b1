#pragma once

#include <string>

// Catches what the engine logs while it exists (nothing reaches the terminal).
class LogFaenger
{
public:
    LogFaenger();
    ~LogFaenger();
    LogFaenger(const LogFaenger&) = delete;
    LogFaenger& operator=(const LogFaenger&) = delete;

    const std::string& Aus() const;     // standard output
    const std::string& Fehler() const;  // standard error
    void Leeren();
};
