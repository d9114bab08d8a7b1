#pragma once

#include <cstdint>
#include <ctime>
#include <string>

struct SDL_Surface;

// Monospaced bitmap font: a 16 x 16 grid of glyph cells addressed by Latin-1
// byte code, 128 texts of which one is selected and drawn at a time, and the
// ready-made texts for the frame rate, the time and the date.
// Every text handed to it is Latin-1 bytes, never UTF-8: every printable byte
// has a glyph; a byte from 0x80 on that has none (0x81 to 0x9F, as the later
// bytes of many a UTF-8 sequence are) is logged as an error line, once per
// font and byte value, when the text is laid out.
// A text keeps everything it is given; Draw shows its first TEXTLAENGE
// characters.
class VOQ_OGL_Schrift
{
public:
    static constexpr int ZEICHENANZAHL = 191;
    static constexpr int TEXTANZAHL = 128;
    static constexpr int TEXTLAENGE = 1024;

    struct Zeichen
    {
        char character;
        int column;
        int row;
    };

    VOQ_OGL_Schrift();
    explicit VOQ_OGL_Schrift(std::string name);
    ~VOQ_OGL_Schrift();
    VOQ_OGL_Schrift(const VOQ_OGL_Schrift&) = delete;
    VOQ_OGL_Schrift& operator=(const VOQ_OGL_Schrift&) = delete;

    // False (and error lines) if the settings file or the bitmap can't be read
    // or the glyph textures can't be made; the font then draws nothing.
    bool Init(std::string name);
    bool InitPfade();
    void LoadStdChars();
    void LoadInTextures();
    bool Inited();

    void SetText(char* text);
    void SetText(const char* text);
    void SetText(char c);
    void SetText(int zahl);
    void SetText(float zahl);
    void SetText(char* text, int zahl);
    void SetText(const char* text, int zahl);
    void SetText(char* text, float zahl);
    void SetText(const char* text, float zahl);
    void SetText(int zahl, char* text);
    void SetText(int zahl, const char* text);
    void SetText(float zahl, char* text);
    void SetText(float zahl, const char* text);
    void SetText(std::string* text);
    void AddText(std::string* text);
    void AddText(char* text);
    void AddText(const char* text);
    void AddText(char c);
    void AddText(int zahl);
    void AddText(float zahl);
    void ClearText();
    const char* GetText();
    // n outside 0..TEXTANZAHL-1 keeps the selection and logs an error line.
    void WaehleText(int n);
    int GetTextNummer();
    int GetZeichenAnzahl();

    void Draw(float x, float y);
    void Draw();
    void DrawChar(char c, int pos, float x, float y);

    void FetchFPS(int frames);
    int GetFPS();
    void FetchTime();
    void FetchDate();

    // Clock of FetchTime and FetchDate; nullptr restores std::time.
    using Uhr = std::time_t (*)();
    static void SetzeUhr(Uhr quelle);

    void SetCharAbstand(int n);
    void AddCharAbstand(int n);
    int GetCharAbstand();
    void SetLineAbstand(int n);
    void AddLineAbstand(int n);
    int GetLineAbstand();

    void SetTransColor(int preset);
    void SetTransColor(int b, int g, int r);
    void SetAlpha(float a);
    void AddAlpha(float a);
    float GetAlpha();

    int GetWidthTex();
    int GetHeightTex();
    int GetWidthDraw();
    int GetHeightDraw();
    void SetWidthDraw(int w);
    void SetHeightDraw(int h);
    void SetSizeDraw(int w, int h);
    // Extent in pixels of the text the last Draw laid out. The width counts
    // the widest line ended by a line feed, the line feed with it, in cells
    // of the glyph width plus the spacing; the height its lines with the
    // spacing between them (0 for an empty text).
    int GetTextWidth();
    int GetTextHeight();

    bool visible;
    float x, y;
    int cellWidth, cellHeight;
    int drawWidth, drawHeight;
    std::string name;
    std::string bmpName;
    std::string konfigName;
    std::string folder;
    std::string texts[TEXTANZAHL];
    unsigned char glyphCache[TEXTANZAHL][TEXTLAENGE];
    int textNumber;
    bool textChanged;
    int charSpacing;
    int lineSpacing;
    int line;
    int column;
    int widestLine;
    // Held only while the glyphs are made: read again for another colour key.
    SDL_Surface* bitmap;
    Zeichen glyphs[ZEICHENANZAHL];
    std::uint32_t fpsLastTime;
    int fpsLastFrames;
    std::uint32_t fpsNow;
    int fps;
    SDL_Surface* cellSurface;
    unsigned int textures[ZEICHENANZAHL];  // GLuint
    int keyColour[3];                      // blue, green, red
    float alpha;
    bool loaded;

private:
    static constexpr unsigned char KEINE_GLYPHE = 0xff;
    static_assert(ZEICHENANZAHL < KEINE_GLYPHE, "the glyph cache holds table indices in a byte");

    int Nummer() const;
    std::string& Text();
    void Markiere();
    void Anhaengen(const char* text);
    void Freigeben();
    void LoescheTexturen();
    void LadeGlyphen();
    bool LeseBeschreibung(const std::string& pfad);
    void LeseZeile(const std::string& zeile);
    bool PruefeZellgroesse();
    void FehlerZeile(const std::string& text);
    void PruefeAufUtf8(const std::string& text, int laenge);
    int GlyphFuer(char c, int pos);
    int SucheGlyphe(char c);

    static Uhr uhr;

    bool texturenErzeugt;
    bool texturenBereit;
    bool geaendert[TEXTANZAHL];         // per text: the glyph cache needs a new lookup
    bool ohneGlyphGemeldet[128];        // bytes 0x80..0xff already logged
    bool utf8Gemeldet;                  // a UTF-8 sequence already logged
};
