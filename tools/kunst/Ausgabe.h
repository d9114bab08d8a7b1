#pragma once

#include <string>

class Leinwand;

// What an image description says (the keys of the game's picture
// descriptions); values of 0 are written as such and mean "the frame size".
struct Beschreibung
{
    int bildBreite = 0, bildHoehe = 0;      // ORIGINALGROESSE
    int anzeigeBreite = 0, anzeigeHoehe = 0; // ANZEIGEGROESSE
    int bilder = 1;                          // BILDERANZAHL
    int verzoegerung = 500;                  // VERZOEGERUNG
    bool schluessel = true;                  // UNSICHTBARKEIT=255,0,255 (else none of the colours used)
    bool pausiert = false;                   // PAUSIERT
    int echtBreite = 0, echtHoehe = 0;       // ECHTGROESSE of widget images, when set
};

// The description of a font sheet.
struct Schriftbeschreibung
{
    int zelleBreite, zelleHoehe;
    int anzeigeBreite, anzeigeHoehe;
    int zeichenabstand, zeilenabstand;
};

// Writes the pictures below the data folder, each as a strip bitmap and its
// description, and keeps count of failures.
class Ausgabe
{
public:
    explicit Ausgabe(std::string wurzel);

    // name is the base path below the data folder, e.g. "bilder/block_rot".
    bool Bild(const std::string& name, const Leinwand& streifen, const Beschreibung& b);
    bool Schrift(const std::string& name, const Leinwand& blatt, const Schriftbeschreibung& s);

    int Fehler() const { return fehler; }
    int Dateien() const { return dateien; }

private:
    bool Schreibe(const std::string& name, const Leinwand& bild, const std::string& text);

    std::string wurzel;
    int fehler = 0;
    int dateien = 0;
};
