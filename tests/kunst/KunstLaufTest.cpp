// The generator run by itself: twice into fresh folders, byte for byte the
// same, and the same as the data the build put into the game's data folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace
{
std::map<std::string, std::string> Inhalt(const fs::path& wurzel)
{
    std::map<std::string, std::string> dateien;
    for (const auto& e : fs::recursive_directory_iterator(wurzel))
        if (e.is_regular_file())
        {
            std::ifstream f(e.path(), std::ios::binary);
            dateien[fs::relative(e.path(), wurzel).generic_string()] =
                std::string(std::istreambuf_iterator<char>(f), {});
        }
    return dateien;
}

int Lauf(const fs::path& ziel)
{
    fs::remove_all(ziel);
    const std::string befehl = std::string("\"") + QF_KUNST + "\" \"" + ziel.string() + "\" \"" +
                               QF_SCHRIFT_MONO + "\" \"" + QF_SCHRIFT_SANS + "\" > /dev/null";
    return std::system(befehl.c_str());
}
}

TEST(KunstLauf, ZweiLaeufeSchreibenDieselbenBytesWieDerBau)
{
    ASSERT_EQ(0, Lauf("lauf_a"));
    ASSERT_EQ(0, Lauf("lauf_b"));
    const auto a = Inhalt("lauf_a");
    const auto b = Inhalt("lauf_b");
    ASSERT_GT(a.size(), 30u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a)
    {
        const auto anderer = b.find(name);
        ASSERT_NE(b.end(), anderer) << name;
        EXPECT_TRUE(bytes == anderer->second) << name << " unterscheidet sich zwischen zwei Laeufen";
    }
    // The build reran the generator whenever it changed: its data is current.
    const auto bau = Inhalt(QF_DATEN_DIR);
    for (const auto& [name, bytes] : a)
    {
        const auto gebaut = bau.find(name);
        ASSERT_NE(bau.end(), gebaut) << name << " fehlt im Datenordner des Baus";
        EXPECT_TRUE(bytes == gebaut->second) << name << " im Datenordner ist veraltet";
    }
    fs::remove_all("lauf_a");
    fs::remove_all("lauf_b");
}

TEST(KunstLauf, FalscheAufrufeScheitern)
{
    const std::string ohne = std::string("\"") + QF_KUNST + "\" > /dev/null 2>&1";
    EXPECT_NE(0, std::system(ohne.c_str()));
    const std::string falsch = std::string("\"") + QF_KUNST + "\" lauf_c /gibt/es/nicht.ttf \"" +
                               QF_SCHRIFT_SANS + "\" > /dev/null 2>&1";
    EXPECT_NE(0, std::system(falsch.c_str()));
    fs::remove_all("lauf_c");
}
