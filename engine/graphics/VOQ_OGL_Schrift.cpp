#include "VOQ_OGL_Schrift.h"

#include "VOQ_Konfig.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Textur.h"
#include "VOQ_Zeit.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace
{
const char* const EINSTELLUNGEN = "einstellungen.konfig";
const int RASTER = 16;

const char* const SCHLUESSEL[] = {
    "ORIGINALGROESSE", "ANZEIGEGROESSE", "ZEICHENABSTAND", "ZEILENABSTAND", "UNSICHTBARKEIT", "DURCHSICHTIGKEIT",
};
enum {
    ORIGINALGROESSE, ANZEIGEGROESSE, ZEICHENABSTAND, ZEILENABSTAND, UNSICHTBARKEIT, DURCHSICHTIGKEIT,
    SCHLUESSEL_ANZAHL
};

// The byte codes of the glyph table, in table order; the index is the texture's.
const unsigned char ZEICHENCODES[VOQ_OGL_Schrift::ZEICHENANZAHL] = {
    'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm',
    'n', 'o', 'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z',
    ' ',
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', ':', ';', '<', '=', '>', '?',
    '!', '"', '#', '$', '%', '&', '\'', '(', ')', '*', '+', ',', '-', '.', '/',
    '[', '\\', ']', '^', '_',
    '@',
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M',
    'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
    '{', '|', '}', '~',
    0xDF, 0x80, 0xA7, 0xE4, 0xC4, 0xF6, 0xD6, 0xFC, 0xDC,
    0xA9, 0xAE, 0xB5, 0xE6, 0xC6, 0xF8, 0xD8, 0xE5, 0xC5,
    // The rest of Latin-1 from 0xA0 on, for names typed with any accent.
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA8, 0xAA, 0xAB, 0xAC, 0xAD,
    0xAF, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB,
    0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xC7, 0xC8, 0xC9, 0xCA,
    0xCB, 0xCC, 0xCD, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD7,
    0xD9, 0xDA, 0xDB, 0xDD, 0xDE, 0xE0, 0xE1, 0xE2, 0xE3, 0xE7, 0xE8, 0xE9,
    0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5,
    0xF7, 0xF9, 0xFA, 0xFB, 0xFD, 0xFE, 0xFF,
};

std::string Zahl(const char* muster, double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, muster, wert);
    return puffer;
}

// An extent beyond the int range (sizes near the limits) answers the nearest limit.
int AlsInt(long long wert)
{
    if (wert > INT_MAX)
        return INT_MAX;
    if (wert < INT_MIN)
        return INT_MIN;
    return static_cast<int>(wert);
}

std::string Zahl(int wert)
{
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%d", wert);
    return puffer;
}
}

VOQ_OGL_Schrift::Uhr VOQ_OGL_Schrift::uhr = nullptr;

VOQ_OGL_Schrift::VOQ_OGL_Schrift()
    : visible(false), x(0.0f), y(0.0f), cellWidth(0), cellHeight(0), drawWidth(0), drawHeight(0),
      textNumber(0), textChanged(false), charSpacing(0), lineSpacing(0), line(1), column(0), widestLine(0),
      bitmap(nullptr), glyphs(), fpsLastTime(1), fpsLastFrames(0), fpsNow(0), fps(0), cellSurface(nullptr),
      textures(), keyColour{0, 0, 0}, alpha(1.0f), loaded(false), texturenErzeugt(false), texturenBereit(false),
      geaendert(), ohneGlyphGemeldet(), utf8Gemeldet(false)
{
    std::memset(glyphCache, KEINE_GLYPHE, sizeof glyphCache);
    for (bool& g : geaendert)
        g = true;
    LoadStdChars();
}

VOQ_OGL_Schrift::VOQ_OGL_Schrift(std::string neuerName)
    : VOQ_OGL_Schrift()
{
    Init(neuerName);
}

VOQ_OGL_Schrift::~VOQ_OGL_Schrift()
{
    Freigeben();
}

void VOQ_OGL_Schrift::SetzeUhr(Uhr quelle)
{
    uhr = quelle;
}

void VOQ_OGL_Schrift::FehlerZeile(const std::string& text)
{
    VOQ_Log::Fehler("\n#o> VOQ_OGL_Schrift - FEHLER: " + text + "\n\n");
}

void VOQ_OGL_Schrift::LoescheTexturen()
{
    if (texturenErzeugt)
        VOQ_OGL_Textur::Loesche(ZEICHENANZAHL, textures);
    texturenErzeugt = false;
    texturenBereit = false;
}

void VOQ_OGL_Schrift::Freigeben()
{
    LoescheTexturen();
    SDL_FreeSurface(cellSurface);
    cellSurface = nullptr;
    SDL_FreeSurface(bitmap);
    bitmap = nullptr;
    loaded = false;
}

bool VOQ_OGL_Schrift::Init(std::string neuerName)
{
    fpsLastTime = 1;
    fpsLastFrames = 0;
    textNumber = 0;
    textChanged = false;
    visible = true;
    line = 1;
    column = 0;
    alpha = 1.0f;
    keyColour[0] = keyColour[1] = keyColour[2] = 0;
    name = neuerName;
    bmpName = name + ".bmp";
    konfigName = name + ".konfig";
    Freigeben();

    // Without a usable settings file the font is looked for in the shipped folder.
    if (!InitPfade())
        VOQ_Log::Fehler(std::string("\n#o> VOQ_OGL_Schrift - FEHLER: '") + EINSTELLUNGEN
                        + "' konnte nicht abgearbeitet werden!\n\n");
    bitmap = SDL_LoadBMP((folder + "/" + bmpName).c_str());
    if (!bitmap) {
        VOQ_Log::Fehler("\n#o> VOQ_OGL_Schrift - FEHLER: Konnte '" + bmpName + "' nicht laden\n\n");
        return false;
    }

    loaded = true;
    cellWidth = cellHeight = drawWidth = drawHeight = 0;
    charSpacing = lineSpacing = 0;
    if (!LeseBeschreibung(folder + "/" + konfigName)) {
        VOQ_Log::Aus("Datei (" + konfigName
                     + ") kann nicht geöffnet werden oder nicht vorhanden. Lade/Berechne Standardwerte.\n\n");
        cellWidth = drawWidth = bitmap->w / RASTER;
        cellHeight = drawHeight = bitmap->h / RASTER;
    }
    if (cellWidth == 0)
        cellWidth = bitmap->w;
    if (cellHeight == 0)
        cellHeight = bitmap->h;
    if (drawWidth == 0)
        drawWidth = cellWidth;
    if (drawHeight == 0)
        drawHeight = cellHeight;

    if (!PruefeZellgroesse()) {
        Freigeben();
        return false;
    }
    cellSurface = VOQ_OGL_Textur::ErzeugeArbeitsflaeche(cellWidth, cellHeight);
    if (!cellSurface) {
        FehlerZeile("KEIN SPEICHER FUER DIE ZEICHEN VON '" + bmpName + "'!");
        Freigeben();
        return false;
    }
    LoadStdChars();
    LoadInTextures();
    // The glyphs are made: the bitmap is read again only for another colour key.
    SDL_FreeSurface(bitmap);
    bitmap = nullptr;
    for (bool& g : geaendert)
        g = true;
    return loaded;
}

bool VOQ_OGL_Schrift::InitPfade()
{
    static const char* const SCHLUESSEL[] = {"SCHRIFTBILDER"};
    std::string* const ziele[] = {&folder};
    return VOQ_Konfig::LeseOrdner("VOQ_OGL_Schrift", EINSTELLUNGEN, SCHLUESSEL, ziele, 1);
}

bool VOQ_OGL_Schrift::LeseBeschreibung(const std::string& pfad)
{
    return VOQ_Konfig::JedeZeile(pfad, VOQ_Konfig::ZEILE_KURZ, [this](const std::string& zeile) { LeseZeile(zeile); });
}

void VOQ_OGL_Schrift::LeseZeile(const std::string& zeile)
{
    int zahlen[2] = {0, 0};

    switch (VOQ_Konfig::FindeSchluessel(zeile, SCHLUESSEL, SCHLUESSEL_ANZAHL)) {
    case ORIGINALGROESSE:
        zahlen[0] = cellWidth;
        zahlen[1] = cellHeight;
        VOQ_Konfig::LeseZahlen(zeile, SCHLUESSEL[ORIGINALGROESSE], zahlen, 2);
        cellWidth = zahlen[0];
        cellHeight = zahlen[1];
        break;
    case ANZEIGEGROESSE:
        zahlen[0] = drawWidth;
        zahlen[1] = drawHeight;
        VOQ_Konfig::LeseZahlen(zeile, SCHLUESSEL[ANZEIGEGROESSE], zahlen, 2);
        drawWidth = zahlen[0];
        drawHeight = zahlen[1];
        break;
    case ZEICHENABSTAND:
        VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[ZEICHENABSTAND], charSpacing);
        break;
    case ZEILENABSTAND:
        VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[ZEILENABSTAND], lineSpacing);
        break;
    case UNSICHTBARKEIT:
        VOQ_Konfig::LeseZahlen(zeile, SCHLUESSEL[UNSICHTBARKEIT], keyColour, 3);
        break;
    case DURCHSICHTIGKEIT:
        VOQ_Konfig::LeseFliesszahl(zeile, SCHLUESSEL[DURCHSICHTIGKEIT], alpha);
        break;
    default:
        break;
    }
}

bool VOQ_OGL_Schrift::PruefeZellgroesse()
{
    const int grenze = VOQ_OGL_Textur::GROESSTE_SEITE;
    if (cellWidth >= 1 && cellHeight >= 1 && cellWidth <= grenze && cellHeight <= grenze)
        return true;
    FehlerZeile("ZELLGROESSE " + Zahl(cellWidth) + "x" + Zahl(cellHeight) + " VON '" + bmpName
                + "' UNGUELTIG (1 BIS " + Zahl(grenze) + ")!");
    return false;
}

void VOQ_OGL_Schrift::LoadStdChars()
{
    for (int i = 0; i < ZEICHENANZAHL; ++i) {
        glyphs[i].character = static_cast<char>(ZEICHENCODES[i]);
        glyphs[i].column = ZEICHENCODES[i] % RASTER;
        glyphs[i].row = ZEICHENCODES[i] / RASTER;
    }
}

void VOQ_OGL_Schrift::LoadInTextures()
{
    if (!cellSurface)
        return;
    const bool nachgeladen = !bitmap;
    if (nachgeladen)
        bitmap = SDL_LoadBMP((folder + "/" + bmpName).c_str());
    if (!bitmap) {
        VOQ_Log::Fehler("\n#o> VOQ_OGL_Schrift - FEHLER: Konnte '" + bmpName + "' nicht laden\n\n");
        return;
    }
    LadeGlyphen();
    if (nachgeladen) {
        SDL_FreeSurface(bitmap);
        bitmap = nullptr;
    }
}

void VOQ_OGL_Schrift::LadeGlyphen()
{
    // Names made by an earlier run (a new colour key) are filled anew.
    if (!texturenErzeugt) {
        glGenTextures(ZEICHENANZAHL, textures);
        texturenErzeugt = true;
    }
    VOQ_Log::Aus("\t>Erstelle Texturen '" + name + "' ...");

    const std::size_t groesse = VOQ_OGL_Textur::PufferGroesse(cellSurface->w, cellSurface->h);
    std::unique_ptr<unsigned char[]> puffer(new (std::nothrow) unsigned char[groesse]);
    bool gelungen = puffer != nullptr;
    bool jenseits = false;
    for (int i = 0; gelungen && i < ZEICHENANZAHL; ++i) {
        const int zx = glyphs[i].column * cellWidth;
        const int zy = glyphs[i].row * cellHeight;
        // A cell a rectangle can't reach stays black, as parts outside the bitmap do.
        const bool erreichbar = zx <= VOQ_OGL_Textur::GROESSTER_VERSATZ && zy <= VOQ_OGL_Textur::GROESSTER_VERSATZ;
        jenseits = jenseits || !erreichbar;
        gelungen = VOQ_OGL_Textur::Erzeuge(textures[i], erreichbar ? bitmap : nullptr, zx, zy, cellSurface,
                                           keyColour, puffer.get(), true);
    }
    if (!gelungen) {
        FehlerZeile("KANN TEXTUREN FUER '" + name + "' NICHT ERSTELLEN!");
        LoescheTexturen();
        loaded = false;
        return;
    }
    if (jenseits)
        FehlerZeile("ZEICHEN VON '" + bmpName + "' LIEGEN JENSEITS VON " + Zahl(VOQ_OGL_Textur::GROESSTER_VERSATZ)
                    + " PIXELN UND BLEIBEN SCHWARZ!");
    texturenBereit = true;
    VOQ_Log::Aus("\t(erledigt)\n");
}

bool VOQ_OGL_Schrift::Inited() { return loaded; }

int VOQ_OGL_Schrift::Nummer() const
{
    return textNumber >= 0 && textNumber < TEXTANZAHL ? textNumber : 0;
}

std::string& VOQ_OGL_Schrift::Text()
{
    return texts[Nummer()];
}

void VOQ_OGL_Schrift::Markiere()
{
    textChanged = true;
    geaendert[Nummer()] = true;
}

void VOQ_OGL_Schrift::Anhaengen(const char* text)
{
    if (text)
        Text() += text;
    Markiere();
}

void VOQ_OGL_Schrift::SetText(char* text) { SetText(static_cast<const char*>(text)); }
void VOQ_OGL_Schrift::SetText(char* text, int zahl) { SetText(static_cast<const char*>(text), zahl); }
void VOQ_OGL_Schrift::SetText(char* text, float zahl) { SetText(static_cast<const char*>(text), zahl); }
void VOQ_OGL_Schrift::SetText(int zahl, char* text) { SetText(zahl, static_cast<const char*>(text)); }
void VOQ_OGL_Schrift::SetText(float zahl, char* text) { SetText(zahl, static_cast<const char*>(text)); }

void VOQ_OGL_Schrift::SetText(const char* text)
{
    ClearText();
    AddText(text);
}

void VOQ_OGL_Schrift::SetText(char c)
{
    ClearText();
    AddText(c);
}

void VOQ_OGL_Schrift::SetText(int zahl)
{
    ClearText();
    AddText(zahl);
}

void VOQ_OGL_Schrift::SetText(float zahl)
{
    ClearText();
    AddText(zahl);
}

void VOQ_OGL_Schrift::SetText(const char* text, int zahl)
{
    SetText(text);
    AddText(zahl);
}

void VOQ_OGL_Schrift::SetText(const char* text, float zahl)
{
    SetText(text);
    AddText(zahl);
}

void VOQ_OGL_Schrift::SetText(int zahl, const char* text)
{
    SetText(zahl);
    AddText(text);
}

void VOQ_OGL_Schrift::SetText(float zahl, const char* text)
{
    SetText(zahl);
    AddText(text);
}

void VOQ_OGL_Schrift::SetText(std::string* text)
{
    Text() = text ? *text : std::string();
    Markiere();
}

void VOQ_OGL_Schrift::AddText(std::string* text)
{
    if (text)
        Text() += *text;
    Markiere();
}

void VOQ_OGL_Schrift::AddText(char* text) { Anhaengen(text); }
void VOQ_OGL_Schrift::AddText(const char* text) { Anhaengen(text); }

void VOQ_OGL_Schrift::AddText(char c)
{
    // A NUL would end the text for GetText but not for Draw.
    if (c != '\0')
        Text() += c;
    Markiere();
}

void VOQ_OGL_Schrift::AddText(int zahl) { Anhaengen(Zahl(zahl).c_str()); }
void VOQ_OGL_Schrift::AddText(float zahl) { Anhaengen(Zahl("%.3f", zahl).c_str()); }
void VOQ_OGL_Schrift::ClearText() { Text().clear(); }
const char* VOQ_OGL_Schrift::GetText() { return Text().c_str(); }

void VOQ_OGL_Schrift::WaehleText(int n)
{
    if (n >= 0 && n < TEXTANZAHL) {
        textNumber = n;
        return;
    }
    FehlerZeile("TEXTNUMMER " + Zahl(n) + " AUSSERHALB VON 0 BIS " + Zahl(TEXTANZAHL - 1) + " - TEXT "
                + Zahl(Nummer()) + " BLEIBT GEWAEHLT!");
}

int VOQ_OGL_Schrift::GetTextNummer() { return textNumber; }
int VOQ_OGL_Schrift::GetZeichenAnzahl() { return ZEICHENANZAHL; }

void VOQ_OGL_Schrift::Draw(float nx, float ny)
{
    x = nx;
    y = ny;
    if (visible)
        Draw();
}

void VOQ_OGL_Schrift::Draw()
{
    if (!visible)
        return;
    line = 1;
    column = 0;
    widestLine = 0;

    const int nr = Nummer();
    const std::string& text = texts[nr];
    const int laenge = text.size() < static_cast<std::size_t>(TEXTLAENGE) ? static_cast<int>(text.size()) : TEXTLAENGE;
    if (geaendert[nr])
        PruefeAufUtf8(text, laenge);
    for (int i = 0; i < laenge; ++i)
        DrawChar(text[i], i, x, y);
    geaendert[nr] = false;
    textChanged = false;
}

void VOQ_OGL_Schrift::DrawChar(char c, int pos, float px, float py)
{
    // 64 bits: sizes and spacing come from the description and may reach the int limits.
    const long long cx = column * (static_cast<long long>(drawWidth) + charSpacing);
    const long long cy = (line - 1) * (static_cast<long long>(drawHeight) + lineSpacing);
    ++column;
    if (c == '\n') {
        ++line;
        if (column > widestLine)
            widestLine = column;
        column = 0;
        return;
    }

    const int glyphe = GlyphFuer(c, pos);
    if (glyphe == KEINE_GLYPHE || !texturenBereit || !VOQ_OGL_Textur::AendertPixel(textures[glyphe], alpha))
        return;
    VOQ_OGL_Textur::Beginne(textures[glyphe], px + static_cast<float>(cx), py + static_cast<float>(cy), alpha);
    VOQ_OGL_Textur::Quad(0.0f, 0.0f, static_cast<float>(drawWidth), static_cast<float>(drawHeight), 0.0f, 0.0f,
                         1.0f, 1.0f);
}

// Every byte from 0xA0 on has a glyph, so a German letter written in UTF-8
// ("\xc3\xbc" for ü) would be drawn as two letters without a word. A lead
// byte of U+0080..U+00FF followed by a continuation byte is as good as never
// meant as Latin-1: reported once per font.
void VOQ_OGL_Schrift::PruefeAufUtf8(const std::string& text, int laenge)
{
    if (utf8Gemeldet)
        return;
    for (int i = 0; i + 1 < laenge; ++i) {
        const unsigned char erstes = static_cast<unsigned char>(text[i]);
        const unsigned char zweites = static_cast<unsigned char>(text[i + 1]);
        if ((erstes == 0xc2 || erstes == 0xc3) && zweites >= 0x80 && zweites <= 0xbf) {
            utf8Gemeldet = true;
            char folge[16];
            std::snprintf(folge, sizeof folge, "0x%02X 0x%02X", erstes, zweites);
            FehlerZeile(std::string("TEXT IN UTF-8 STATT LATIN-1 (") + folge + ") IN '" + name + "'");
            return;
        }
    }
}

int VOQ_OGL_Schrift::GlyphFuer(char c, int pos)
{
    if (pos < 0 || pos >= TEXTLAENGE)
        return SucheGlyphe(c);
    const int nr = Nummer();
    // The table is searched on the first Draw after a change only.
    if (geaendert[nr])
        glyphCache[nr][pos] = static_cast<unsigned char>(SucheGlyphe(c));
    return glyphCache[nr][pos];
}

int VOQ_OGL_Schrift::SucheGlyphe(char c)
{
    for (int i = 0; i < ZEICHENANZAHL; ++i) {
        if (glyphs[i].character == c)
            return i;
    }
    const unsigned char code = static_cast<unsigned char>(c);
    // Such a byte is as a rule the first of a UTF-8 sequence that should have been Latin-1.
    if (code >= 0x80 && !ohneGlyphGemeldet[code - 0x80]) {
        ohneGlyphGemeldet[code - 0x80] = true;
        char zeichen[8];
        std::snprintf(zeichen, sizeof zeichen, "0x%02X", code);
        FehlerZeile(std::string("ZEICHEN ") + zeichen + " OHNE GLYPHE IN '" + name + "'");
    }
    return KEINE_GLYPHE;
}

void VOQ_OGL_Schrift::FetchFPS(int frames)
{
    fpsNow = VOQ_Zeit::Ticks();
    const std::int32_t vergangen = static_cast<std::int32_t>(fpsNow - fpsLastTime);
    if (vergangen > 1000) {
        // Whole seconds only, so 1999 ms count as one.
        fps = static_cast<int>((static_cast<long long>(frames) - fpsLastFrames) / (vergangen / 1000));
        fpsLastTime = fpsNow;
        fpsLastFrames = frames;
    }
    SetText("FPS: ");
    AddText(fps);
}

int VOQ_OGL_Schrift::GetFPS() { return fps; }

void VOQ_OGL_Schrift::FetchTime()
{
    const std::time_t jetzt = uhr ? uhr() : std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    const int teile[3] = {zeit.tm_hour, zeit.tm_min, zeit.tm_sec};
    ClearText();
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            AddText(':');
        if (teile[i] < 10)
            AddText('0');
        AddText(teile[i]);
    }
}

void VOQ_OGL_Schrift::FetchDate()
{
    const std::time_t jetzt = uhr ? uhr() : std::time(nullptr);
    char datum[64] = "";
    if (!ctime_r(&jetzt, datum))
        datum[0] = '\0';
    SetText(static_cast<const char*>(datum));
}

void VOQ_OGL_Schrift::SetCharAbstand(int n) { charSpacing = n; }
void VOQ_OGL_Schrift::AddCharAbstand(int n) { charSpacing += n; }
int VOQ_OGL_Schrift::GetCharAbstand() { return charSpacing; }
void VOQ_OGL_Schrift::SetLineAbstand(int n) { lineSpacing = n; }
void VOQ_OGL_Schrift::AddLineAbstand(int n) { lineSpacing += n; }
int VOQ_OGL_Schrift::GetLineAbstand() { return lineSpacing; }

void VOQ_OGL_Schrift::SetTransColor(int preset)
{
    int bgr[3];
    if (VOQ_OGL_Textur::Farbvorgabe(preset, bgr))
        SetTransColor(bgr[0], bgr[1], bgr[2]);
}

void VOQ_OGL_Schrift::SetTransColor(int b, int g, int r)
{
    keyColour[0] = b;
    keyColour[1] = g;
    keyColour[2] = r;
    LoadInTextures();
}

void VOQ_OGL_Schrift::SetAlpha(float a) { alpha = a; }
void VOQ_OGL_Schrift::AddAlpha(float a) { alpha += a; }
float VOQ_OGL_Schrift::GetAlpha() { return alpha; }
int VOQ_OGL_Schrift::GetWidthTex() { return cellWidth; }
int VOQ_OGL_Schrift::GetHeightTex() { return cellHeight; }
int VOQ_OGL_Schrift::GetWidthDraw() { return drawWidth; }
int VOQ_OGL_Schrift::GetHeightDraw() { return drawHeight; }
void VOQ_OGL_Schrift::SetWidthDraw(int w) { drawWidth = w; }
void VOQ_OGL_Schrift::SetHeightDraw(int h) { drawHeight = h; }

void VOQ_OGL_Schrift::SetSizeDraw(int w, int h)
{
    drawWidth = w;
    drawHeight = h;
}

int VOQ_OGL_Schrift::GetTextWidth()
{
    return AlsInt(static_cast<long long>(widestLine) * (static_cast<long long>(charSpacing) + cellWidth));
}

int VOQ_OGL_Schrift::GetTextHeight()
{
    if (line == 1 && column == 0)
        return 0;
    return AlsInt(static_cast<long long>(line) * drawHeight + static_cast<long long>(line - 1) * lineSpacing);
}
