// Writes the seed bitmaps of the strip target: small files in the kinds
// SDL's BMP loader reads (1, 4 and 8 bits with palettes, run-length coded
// 8 bits, 16 bits 555 and 565, 24 bits bottom-up and top-down, 32 bits, the
// old 12-byte header), so that mutations start from every branch of it.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct Art
{
    const char* name;
    int bits;
    int breite, hoehe;      // a negative height stores the rows top-down
    int kompression;        // 0 none, 1 RLE8, 3 bit fields
    int farben;             // palette entries
    bool altKopf;           // 12-byte header of the first OS/2 bitmaps
};

void Klein(std::string& ziel, std::uint32_t wert, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        ziel.push_back(static_cast<char>((wert >> (8 * i)) & 0xff));
}

// Pixel value of (x, y) for a given depth: stripes of every colour the depth has.
std::uint32_t Wert(int x, int y, int bits)
{
    const std::uint32_t v = static_cast<std::uint32_t>(x * 37 + y * 91);
    return bits >= 32 ? v * 0x010305u : v & ((1u << bits) - 1);
}

std::string Zeilen(const Art& a)
{
    const int hoehe = a.hoehe < 0 ? -a.hoehe : a.hoehe;
    std::string daten;
    for (int y = 0; y < hoehe; ++y) {
        std::string zeile;
        if (a.bits >= 8) {
            for (int x = 0; x < a.breite; ++x)
                Klein(zeile, Wert(x, y, a.bits), a.bits / 8);
        } else {
            std::uint32_t sammel = 0;
            int belegt = 0;
            for (int x = 0; x < a.breite; ++x) {
                sammel = (sammel << a.bits) | Wert(x, y, a.bits);
                belegt += a.bits;
                if (belegt == 8) {
                    zeile.push_back(static_cast<char>(sammel));
                    sammel = 0;
                    belegt = 0;
                }
            }
            if (belegt > 0)
                zeile.push_back(static_cast<char>(sammel << (8 - belegt)));
        }
        while (zeile.size() % 4 != 0)
            zeile.push_back('\0');
        daten += zeile;
    }
    return daten;
}

// Run-length coded 8 bits: runs of two, a literal run of three, end of line, end of bitmap.
std::string Lauflaengen(const Art& a)
{
    std::string daten;
    for (int y = 0; y < a.hoehe; ++y) {
        int x = 0;
        if (a.breite >= 3) {
            daten += '\0';
            daten += '\3';
            for (int i = 0; i < 3; ++i)
                daten.push_back(static_cast<char>(Wert(i, y, 8)));
            daten += '\0';
            x = 3;
        }
        for (; x < a.breite; x += 2) {
            daten.push_back(static_cast<char>(a.breite - x >= 2 ? 2 : 1));
            daten.push_back(static_cast<char>(Wert(x, y, 8)));
        }
        daten += std::string("\0\0", 2);
    }
    daten += std::string("\0\1", 2);
    return daten;
}

std::string Bitmap(const Art& a)
{
    const std::string pixel = a.kompression == 1 ? Lauflaengen(a) : Zeilen(a);
    const int kopf = a.altKopf ? 12 : 40;
    const int masken = a.kompression == 3 ? 12 : 0;
    const int eintrag = a.altKopf ? 3 : 4;
    const std::uint32_t versatz = 14 + kopf + masken + a.farben * eintrag;

    std::string bmp = "BM";
    Klein(bmp, versatz + static_cast<std::uint32_t>(pixel.size()), 4);
    Klein(bmp, 0, 4);
    Klein(bmp, versatz, 4);
    Klein(bmp, static_cast<std::uint32_t>(kopf), 4);
    if (a.altKopf) {
        Klein(bmp, static_cast<std::uint32_t>(a.breite), 2);
        Klein(bmp, static_cast<std::uint32_t>(a.hoehe), 2);
        Klein(bmp, 1, 2);
        Klein(bmp, static_cast<std::uint32_t>(a.bits), 2);
    } else {
        Klein(bmp, static_cast<std::uint32_t>(a.breite), 4);
        Klein(bmp, static_cast<std::uint32_t>(a.hoehe), 4);
        Klein(bmp, 1, 2);
        Klein(bmp, static_cast<std::uint32_t>(a.bits), 2);
        Klein(bmp, static_cast<std::uint32_t>(a.kompression), 4);
        Klein(bmp, static_cast<std::uint32_t>(pixel.size()), 4);
        Klein(bmp, 2835, 4);
        Klein(bmp, 2835, 4);
        Klein(bmp, static_cast<std::uint32_t>(a.farben), 4);
        Klein(bmp, 0, 4);
    }
    if (a.kompression == 3) {
        Klein(bmp, 0xf800, 4);
        Klein(bmp, 0x07e0, 4);
        Klein(bmp, 0x001f, 4);
    }
    for (int i = 0; i < a.farben; ++i) {
        Klein(bmp, static_cast<std::uint32_t>(i * 255 / (a.farben > 1 ? a.farben - 1 : 1)), 1);
        Klein(bmp, static_cast<std::uint32_t>(255 - i), 1);
        Klein(bmp, static_cast<std::uint32_t>(i * 7), 1);
        if (!a.altKopf)
            Klein(bmp, 0, 1);
    }
    return bmp + pixel;
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s ZIELORDNER\n", argv[0]);
        return 2;
    }
    const std::vector<Art> arten = {
        {"einbit", 1, 17, 2, 0, 2, false},
        {"vierbit", 4, 5, 3, 0, 16, false},
        {"achtbit", 8, 9, 3, 0, 256, false},
        {"achtbit_kurze_palette", 8, 6, 2, 0, 5, false},
        {"achtbit_rle", 8, 7, 3, 1, 256, false},
        {"sechzehn_555", 16, 6, 3, 0, 0, false},
        {"sechzehn_565", 16, 6, 3, 3, 0, false},
        {"vierundzwanzig", 24, 10, 3, 0, 0, false},
        {"vierundzwanzig_von_oben", 24, 8, -4, 0, 0, false},
        {"zweiunddreissig", 32, 6, 3, 0, 0, false},
        {"alter_kopf", 24, 4, 2, 0, 0, true},
        {"alter_kopf_palette", 8, 4, 2, 0, 4, true},
    };
    for (const Art& a : arten) {
        const std::string pfad = std::string(argv[1]) + "/" + a.name + ".bmp";
        std::FILE* datei = std::fopen(pfad.c_str(), "wb");
        if (!datei) {
            std::perror(pfad.c_str());
            return 1;
        }
        const std::string bmp = Bitmap(a);
        const bool ganz = std::fwrite(bmp.data(), 1, bmp.size(), datei) == bmp.size();
        if (std::fclose(datei) != 0 || !ganz) {
            std::perror(pfad.c_str());
            return 1;
        }
    }
    return 0;
}
