/* Test tool: does a screenshot show a text drawn with one of the game's
 * bitmap fonts at a given place?
 *
 *   text_pruefen SCHIRM.ppm SCHRIFT.ppm SCHRIFT.konfig X Y TEXT
 *
 * SCHIRM and SCHRIFT are binary PPM files (ImageMagick: convert a.png
 * ppm:a.ppm); the description gives cell size, spacing and key colour as the
 * engine reads them. TEXT is UTF-8 (turned into the Latin-1 bytes the fonts
 * address their glyphs by); the two characters \n start a new line.
 *
 * The expected picture is laid out as the engine lays it out: glyph cell of
 * byte c at column c % 16, row c / 16 of the sheet, one step of cell width +
 * character spacing per character, cell height + line spacing per line,
 * later glyphs over earlier ones, key-coloured pixels transparent. Drawn 1:1
 * with nearest filtering the picture is exact, so the screenshot must show
 * every ink pixel in its colour and no ink-coloured pixel where the expected
 * text has none (another or a longer text), but for a pixel or two. Exit 0
 * when it shows the text, 1 when not, 2 on bad input. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { TOLERANZ = 24, AUSREISSER = 2, MAX_TEXT = 4096 };

typedef struct
{
    int breite, hoehe;
    unsigned char* rgb;
} Bild;

typedef struct
{
    int zelleB, zelleH;
    int zeichenabstand, zeilenabstand;
    int schluessel[3]; /* blue, green, red as in the description */
} Schrift;

static int LeseZahl(FILE* f)
{
    int c = fgetc(f);
    while (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '#') {
        if (c == '#')
            while (c != '\n' && c != EOF)
                c = fgetc(f);
        c = fgetc(f);
    }
    int zahl = 0;
    int ziffern = 0;
    while (c >= '0' && c <= '9' && zahl < 100000) {
        zahl = zahl * 10 + (c - '0');
        c = fgetc(f);
        ++ziffern;
    }
    return ziffern ? zahl : -1;
}

static int LesePpm(const char* pfad, Bild* bild)
{
    FILE* f = fopen(pfad, "rb");
    if (!f)
        return 0;
    char kopf[3] = {0};
    int gut = fread(kopf, 1, 2, f) == 2 && strcmp(kopf, "P6") == 0;
    bild->breite = gut ? LeseZahl(f) : -1;
    bild->hoehe = gut ? LeseZahl(f) : -1;
    const int tiefe = gut ? LeseZahl(f) : -1;
    gut = gut && bild->breite > 0 && bild->hoehe > 0 && tiefe == 255;
    const size_t groesse = gut ? (size_t)bild->breite * bild->hoehe * 3 : 0;
    bild->rgb = gut ? malloc(groesse) : NULL;
    gut = bild->rgb && fread(bild->rgb, 1, groesse, f) == groesse;
    fclose(f);
    return gut;
}

static int LeseBeschreibung(const char* pfad, Schrift* s)
{
    FILE* f = fopen(pfad, "r");
    if (!f)
        return 0;
    char zeile[256];
    memset(s, 0, sizeof *s);
    while (fgets(zeile, sizeof zeile, f)) {
        sscanf(zeile, "ORIGINALGROESSE=%d,%d", &s->zelleB, &s->zelleH);
        sscanf(zeile, "ZEICHENABSTAND=%d", &s->zeichenabstand);
        sscanf(zeile, "ZEILENABSTAND=%d", &s->zeilenabstand);
        sscanf(zeile, "UNSICHTBARKEIT=%d,%d,%d", &s->schluessel[0], &s->schluessel[1], &s->schluessel[2]);
    }
    fclose(f);
    return s->zelleB > 0 && s->zelleH > 0 && s->zelleB <= 256 && s->zelleH <= 256;
}

/* UTF-8 to Latin-1 (two-byte forms up to U+00FF); "\n" becomes a line feed. */
static int AlsLatin1(const char* utf8, unsigned char* aus)
{
    int n = 0;
    const unsigned char* s = (const unsigned char*)utf8;
    while (*s && n < MAX_TEXT - 1) {
        if (s[0] == '\\' && s[1] == 'n') {
            aus[n++] = '\n';
            s += 2;
        } else if ((s[0] == 0xC2 || s[0] == 0xC3) && (s[1] & 0xC0) == 0x80) {
            aus[n++] = (unsigned char)(((s[0] & 0x03) << 6) | (s[1] & 0x3F));
            s += 2;
        } else if (s[0] < 0x80) {
            aus[n++] = *s++;
        } else {
            return -1;
        }
    }
    return n;
}

static const unsigned char* Pixel(const Bild* b, int x, int y)
{
    return b->rgb + ((size_t)y * b->breite + x) * 3;
}

static int Gleich(const unsigned char* a, const unsigned char* b)
{
    for (int k = 0; k < 3; ++k)
        if (abs(a[k] - b[k]) > TOLERANZ)
            return 0;
    return 1;
}

int main(int argc, char** argv)
{
    if (argc != 7) {
        fprintf(stderr, "Aufruf: text_pruefen SCHIRM.ppm SCHRIFT.ppm SCHRIFT.konfig X Y TEXT\n");
        return 2;
    }
    Bild schirm, blatt;
    Schrift s;
    unsigned char text[MAX_TEXT];
    const int laenge = AlsLatin1(argv[6], text);
    if (!LesePpm(argv[1], &schirm) || !LesePpm(argv[2], &blatt) || !LeseBeschreibung(argv[3], &s) ||
        laenge < 0 || blatt.breite < 16 * s.zelleB || blatt.hoehe < 16 * s.zelleH) {
        fprintf(stderr, "text_pruefen: Eingaben nicht lesbar\n");
        return 2;
    }
    const int x0 = atoi(argv[4]);
    const int y0 = atoi(argv[5]);
    const unsigned char schluessel[3] = {(unsigned char)s.schluessel[2], (unsigned char)s.schluessel[1],
                                         (unsigned char)s.schluessel[0]};

    /* The expected ink, one colour per screen pixel (alpha 0: none). */
    unsigned char* soll = calloc((size_t)schirm.breite * schirm.hoehe, 4);
    unsigned char tinte[3] = {0, 0, 0};
    if (!soll)
        return 2;
    int spalte = 0, zeile = 0;
    for (int i = 0; i < laenge; ++i) {
        if (text[i] == '\n') {
            ++zeile;
            spalte = 0;
            continue;
        }
        const int gx = x0 + spalte * (s.zelleB + s.zeichenabstand);
        const int gy = y0 + zeile * (s.zelleH + s.zeilenabstand);
        const int zx = (text[i] % 16) * s.zelleB;
        const int zy = (text[i] / 16) * s.zelleH;
        ++spalte;
        for (int y = 0; y < s.zelleH; ++y)
            for (int x = 0; x < s.zelleB; ++x) {
                const unsigned char* p = Pixel(&blatt, zx + x, zy + y);
                const int sx = gx + x, sy = gy + y;
                if (memcmp(p, schluessel, 3) == 0 || sx < 0 || sy < 0 || sx >= schirm.breite ||
                    sy >= schirm.hoehe)
                    continue;
                unsigned char* z = soll + ((size_t)sy * schirm.breite + sx) * 4;
                memcpy(z, p, 3);
                z[3] = 1;
                memcpy(tinte, p, 3);
            }
    }

    /* Compared inside the box of all laid-out cells. */
    int breiteste = 0, spalten = 0, zeilen = 1;
    for (int i = 0; i < laenge; ++i) {
        if (text[i] == '\n') {
            ++zeilen;
            spalten = 0;
        } else if (++spalten > breiteste) {
            breiteste = spalten;
        }
    }
    const int x1 = x0 + (breiteste - 1) * (s.zelleB + s.zeichenabstand) + s.zelleB;
    const int y1 = y0 + (zeilen - 1) * (s.zelleH + s.zeilenabstand) + s.zelleH;
    long erwartet = 0, getroffen = 0, fremd = 0;
    for (int y = y0 < 0 ? 0 : y0; y < y1 && y < schirm.hoehe; ++y)
        for (int x = x0 < 0 ? 0 : x0; x < x1 && x < schirm.breite; ++x) {
            const unsigned char* z = soll + ((size_t)y * schirm.breite + x) * 4;
            const unsigned char* ist = Pixel(&schirm, x, y);
            if (z[3]) {
                ++erwartet;
                getroffen += Gleich(ist, z);
            } else {
                fremd += Gleich(ist, tinte);
            }
        }
    free(soll);
    free(schirm.rgb);
    free(blatt.rgb);

    const int gut = erwartet > 0 && erwartet - getroffen <= AUSREISSER && fremd <= AUSREISSER;
    printf("Tinte %ld von %ld getroffen, %ld fremde Tintenpixel\n", getroffen, erwartet, fremd);
    return gut ? 0 : 1;
}
