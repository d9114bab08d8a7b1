#include "Ausgabe.h"

#include "BmpDatei.h"
#include "Leinwand.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace
{
const char* const KOPF = "# Quaderfall - erzeugt von tools/kunst, nicht von Hand bearbeiten\n";
}

Ausgabe::Ausgabe(std::string wurzel) : wurzel(std::move(wurzel))
{
}

bool Ausgabe::Bild(const std::string& name, const Leinwand& streifen, const Beschreibung& b)
{
    std::ostringstream t;
    t << KOPF;
    t << "ORIGINALGROESSE=" << b.bildBreite << "," << b.bildHoehe << "\n";
    t << "ANZEIGEGROESSE=" << b.anzeigeBreite << "," << b.anzeigeHoehe << "\n";
    t << "BILDERANZAHL=" << b.bilder << "\n";
    t << "VERZOEGERUNG=" << b.verzoegerung << "\n";
    if (b.schluessel)
        t << "# Schluesselfarbe (blau,gruen,rot): magenta\n";
    else
        t << "# Schluesselfarbe magenta; das Bild enthaelt sie nicht\n";
    t << "UNSICHTBARKEIT=255,0,255\n";
    t << "DURCHSICHTIGKEIT=1.0\n";
    t << "PAUSIERT=" << (b.pausiert ? 1 : 0) << "\n";
    t << "EINMAL=0\n";
    if (b.echtBreite > 0 || b.echtHoehe > 0)
        t << "ECHTGROESSE=" << b.echtBreite << "," << b.echtHoehe << "\n";
    return Schreibe(name, streifen, t.str());
}

bool Ausgabe::Schrift(const std::string& name, const Leinwand& blatt, const Schriftbeschreibung& s)
{
    std::ostringstream t;
    t << KOPF;
    t << "ORIGINALGROESSE=" << s.zelleBreite << "," << s.zelleHoehe << "\n";
    t << "ANZEIGEGROESSE=" << s.anzeigeBreite << "," << s.anzeigeHoehe << "\n";
    t << "# Schritt von Zeichen zu Zeichen: " << s.anzeigeBreite + s.zeichenabstand
      << " Pixel, von Zeile zu Zeile: " << s.anzeigeHoehe + s.zeilenabstand << " Pixel\n";
    t << "ZEICHENABSTAND=" << s.zeichenabstand << "\n";
    t << "ZEILENABSTAND=" << s.zeilenabstand << "\n";
    t << "UNSICHTBARKEIT=0,0,0\n";
    t << "DURCHSICHTIGKEIT=1.0\n";
    return Schreibe(name, blatt, t.str());
}

bool Ausgabe::Schreibe(const std::string& name, const Leinwand& bild, const std::string& text)
{
    const std::filesystem::path basis = std::filesystem::path(wurzel) / name;
    std::error_code ec;
    std::filesystem::create_directories(basis.parent_path(), ec);
    if (ec)
    {
        std::cerr << "qf_kunst - FEHLER: Ordner '" << basis.parent_path().string()
                  << "' kann nicht angelegt werden: " << ec.message() << "\n";
        ++fehler;
        return false;
    }
    const std::string bmp = basis.string() + ".bmp";
    const std::string konfig = basis.string() + ".konfig";
    bool gut = BmpDatei::Schreibe(bmp, bild);
    if (gut)
    {
        std::ofstream k(konfig, std::ios::binary | std::ios::trunc);
        k << text;
        k.close();
        gut = !k.fail();
    }
    if (!gut)
    {
        std::cerr << "qf_kunst - FEHLER: '" << basis.string() << "' kann nicht geschrieben werden\n";
        ++fehler;
        return false;
    }
    dateien += 2;
    return true;
}
