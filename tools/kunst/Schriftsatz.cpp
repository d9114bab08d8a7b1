#include "Schriftsatz.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <iostream>

Schriftsatz::Schriftsatz()
{
    if (FT_Init_FreeType(&bibliothek) != 0)
    {
        std::cerr << "qf_kunst - FEHLER: FreeType startet nicht\n";
        bibliothek = nullptr;
    }
}

Schriftsatz::~Schriftsatz()
{
    if (gesicht)
        FT_Done_Face(gesicht);
    if (bibliothek)
        FT_Done_FreeType(bibliothek);
}

bool Schriftsatz::Oeffne(const std::string& datei, int pixelgroesse)
{
    if (!bibliothek)
        return false;
    if (gesicht)
    {
        FT_Done_Face(gesicht);
        gesicht = nullptr;
    }
    if (FT_New_Face(bibliothek, datei.c_str(), 0, &gesicht) != 0)
    {
        std::cerr << "qf_kunst - FEHLER: Schrift '" << datei << "' kann nicht geladen werden\n";
        gesicht = nullptr;
        return false;
    }
    if (FT_Set_Pixel_Sizes(gesicht, 0, static_cast<FT_UInt>(pixelgroesse)) != 0)
    {
        std::cerr << "qf_kunst - FEHLER: Schrift '" << datei << "' hat keine Groesse "
                  << pixelgroesse << "\n";
        return false;
    }
    return true;
}

bool Schriftsatz::Lade(std::uint32_t zeichen, bool einfarbig, int staerker, Glyphe& aus)
{
    if (!gesicht)
        return false;
    const FT_UInt index = FT_Get_Char_Index(gesicht, zeichen);
    if (index == 0)
        return false;
    const FT_Int32 art = (einfarbig ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL) | FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(gesicht, index, art) != 0)
        return false;
    const FT_GlyphSlot slot = gesicht->glyph;
    if (staerker > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Outline_EmboldenXY(&slot->outline, staerker, 0);
    if (FT_Render_Glyph(slot, einfarbig ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return false;
    const FT_Bitmap& bm = slot->bitmap;
    aus.breite = static_cast<int>(bm.width);
    aus.hoehe = static_cast<int>(bm.rows);
    aus.links = slot->bitmap_left;
    aus.oben = slot->bitmap_top;
    aus.vorschub = static_cast<int>((slot->advance.x + 32) >> 6);
    aus.deckung.assign(static_cast<size_t>(aus.breite) * aus.hoehe, 0);
    for (int y = 0; y < aus.hoehe; ++y)
    {
        const unsigned char* zeile = bm.buffer + static_cast<long>(y) * bm.pitch;
        for (int x = 0; x < aus.breite; ++x)
        {
            std::uint8_t v;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                v = (zeile[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else
                v = zeile[x];
            aus.deckung[static_cast<size_t>(y) * aus.breite + x] = v;
        }
    }
    return true;
}
