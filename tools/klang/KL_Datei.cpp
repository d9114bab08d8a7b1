#include "KL_Datei.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

bool KL_Datei::Ordner(const std::string& pfad)
{
    std::error_code fehler;
    std::filesystem::create_directories(pfad, fehler);
    return std::filesystem::is_directory(pfad, fehler);
}

bool KL_Datei::Schreibe(const std::string& pfad, const std::vector<uint8_t>& bytes)
{
    std::FILE* datei = std::fopen(pfad.c_str(), "wb");
    if (!datei) {
        std::fprintf(stderr, "qf_klang - FEHLER: kann '%s' nicht schreiben\n", pfad.c_str());
        return false;
    }
    const bool ganz = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), datei) == bytes.size();
    const bool zu = std::fclose(datei) == 0;
    if (!ganz || !zu) {
        std::fprintf(stderr, "qf_klang - FEHLER: '%s' unvollständig geschrieben\n", pfad.c_str());
        return false;
    }
    return true;
}
