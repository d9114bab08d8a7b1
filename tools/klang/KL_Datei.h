#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writing the generated files.
class KL_Datei
{
public:
    // Creates the folder and its parents; false if that fails.
    static bool Ordner(const std::string& pfad);
    // Writes all bytes; false (with a log line) if the file can't be written.
    static bool Schreibe(const std::string& pfad, const std::vector<uint8_t>& bytes);
};
