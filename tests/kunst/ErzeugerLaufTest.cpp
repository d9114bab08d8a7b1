// The three generators run once more into a scratch folder: every file comes
// out byte for byte as the build wrote it, so the output is reproducible and
// the build's data current. A generator that can't do its work (a font that
// isn't there, no target folder) fails, so that the build stops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

TEST(Erzeuger, SchreibenDieBytesDesBausUndScheiternOhneIhreZutaten)
{
    // The program, the arguments after its target folder, the build's copy
    // of its output, and a call that must fail.
    const std::string laeufe[][4] = {
        {QF_KUNST, " " QF_SCHRIFT_MONO " " QF_SCHRIFT_SANS, QF_DATEN_DIR, QF_KUNST " lauf /nicht.ttf " QF_SCHRIFT_SANS},
        {QF_SYMBOL, "", QF_SYMBOL_DIR, QF_SYMBOL},
        {QF_KLANG, "", QF_DATEN_DIR "/geraeuschkulisse", QF_KLANG}};
    const auto inhalt = [](const fs::path& pfad) {
        std::ifstream f(pfad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    for (const auto& [programm, hinten, gebaut, falsch] : laeufe) {
        SCOPED_TRACE(programm);
        fs::remove_all("lauf");
        ASSERT_EQ(0, std::system((programm + " lauf" + hinten + " > /dev/null").c_str()));
        int dateien = 0;
        for (const auto& e : fs::recursive_directory_iterator("lauf")) {
            const fs::path teil = fs::relative(e.path(), "lauf");
            dateien += e.is_regular_file();
            EXPECT_TRUE(!e.is_regular_file() || inhalt(e.path()) == inhalt(gebaut / teil)) << teil << " weicht ab";
        }
        EXPECT_GT(dateien, 6);
        fs::remove_all("lauf");
        EXPECT_NE(0, std::system((falsch + " > /dev/null 2>&1").c_str()));
    }
    fs::remove_all("lauf");
}
