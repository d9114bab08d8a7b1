/* Test tool: what a screenshot (binary PPM, as the director writes it) shows.
 *
 *   bild_pruefen BILD.ppm text SCHRIFT.ppm SCHRIFT.konfig X Y TEXT
 *       exit 0 when the text, drawn with that bitmap font at (X, Y), is there
 *   bild_pruefen BILD.ppm farbe X Y          prints the pixel as "r,g,b"
 *   bild_pruefen BILD.ppm feld X Y ZEILE     prints one row of the playfield
 *       whose cell (0, 0) is at (X, Y): "#" for a cell in a block colour, "o"
 *       for a landing shadow, "."
 *
 * TEXT is UTF-8 (turned into the Latin-1 bytes the fonts address their glyphs
 * by); the two characters \n start a new line. The expected picture is laid
 * out as the engine lays it out: glyph of byte c at column c % 16, row c / 16
 * of the sheet, a step of cell width + character spacing per character, cell
 * height + line spacing per line, key-coloured pixels transparent. Drawn 1:1
 * with nearest filtering it is exact, so the screenshot must show every ink
 * pixel in its colour and no ink-coloured pixel where the text has none (a
 * longer or another text), but for a pixel or two. Exit 2 on bad input. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { TOLERANZ = 24, AUSREISSER = 2, MAX_TEXT = 4096, ZELLE = 32, SPALTEN = 10 };

typedef struct
{
    int breite, hoehe;
    unsigned char* rgb;
} Bild;

static int Zahl(FILE* f)
{
    int c = fgetc(f);
    while (c == ' ' || c == '\n' || c == '\t' || c == '\r')
        c = fgetc(f);
    int zahl = 0, ziffern = 0;
    for (; c >= '0' && c <= '9' && zahl < 100000; c = fgetc(f), ++ziffern)
        zahl = zahl * 10 + (c - '0');
    return ziffern ? zahl : -1;
}

static int LesePpm(const char* pfad, Bild* b)
{
    FILE* f = fopen(pfad, "rb");
    if (!f)
        return 0;
    int gut = fgetc(f) == 'P' && fgetc(f) == '6';
    b->breite = gut ? Zahl(f) : -1;
    b->hoehe = gut ? Zahl(f) : -1;
    gut = gut && b->breite > 0 && b->hoehe > 0 && Zahl(f) == 255;
    const size_t groesse = gut ? (size_t)b->breite * b->hoehe * 3 : 0;
    b->rgb = gut ? malloc(groesse) : NULL;
    gut = b->rgb && fread(b->rgb, 1, groesse, f) == groesse;
    fclose(f);
    if (!gut)
        free(b->rgb);
    return gut;
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

static int PruefeText(const Bild* schirm, char** arg)
{
    Bild blatt;
    unsigned char text[MAX_TEXT];
    int zelleB = 0, zelleH = 0, zeichenabstand = 0, zeilenabstand = 0, schluessel[3] = {0, 0, 0};
    char zeile[256];
    FILE* f = fopen(arg[1], "r");
    while (f && fgets(zeile, sizeof zeile, f)) {
        sscanf(zeile, "ORIGINALGROESSE=%d,%d", &zelleB, &zelleH);
        sscanf(zeile, "ZEICHENABSTAND=%d", &zeichenabstand);
        sscanf(zeile, "ZEILENABSTAND=%d", &zeilenabstand);
        sscanf(zeile, "UNSICHTBARKEIT=%d,%d,%d", &schluessel[2], &schluessel[1], &schluessel[0]);
    }
    if (f)
        fclose(f);
    const int laenge = AlsLatin1(arg[4], text);
    if (!LesePpm(arg[0], &blatt) || zelleB <= 0 || zelleH <= 0 || laenge < 0 || blatt.breite < 16 * zelleB
        || blatt.hoehe < 16 * zelleH)
        return 2;
    const int x0 = atoi(arg[2]), y0 = atoi(arg[3]);
    const int schrittX = zelleB + zeichenabstand, schrittY = zelleH + zeilenabstand;

    /* The expected ink, one colour per screen pixel (fourth byte: ink there). */
    unsigned char* soll = calloc((size_t)schirm->breite * schirm->hoehe, 4);
    unsigned char tinte[3] = {0, 0, 0};
    int spalte = 0, zeilen = 1, breiteste = 0;
    for (int i = 0; soll && i < laenge; ++i) {
        if (text[i] == '\n') {
            ++zeilen;
            spalte = 0;
            continue;
        }
        const int gx = x0 + spalte * schrittX, gy = y0 + (zeilen - 1) * schrittY;
        if (++spalte > breiteste)
            breiteste = spalte;
        for (int y = 0; y < zelleH; ++y)
            for (int x = 0; x < zelleB; ++x) {
                const unsigned char* p = Pixel(&blatt, (text[i] % 16) * zelleB + x, (text[i] / 16) * zelleH + y);
                const int sx = gx + x, sy = gy + y;
                if ((p[0] == schluessel[0] && p[1] == schluessel[1] && p[2] == schluessel[2]) || sx < 0
                    || sy < 0 || sx >= schirm->breite || sy >= schirm->hoehe)
                    continue;
                unsigned char* z = soll + ((size_t)sy * schirm->breite + sx) * 4;
                memcpy(z, p, 3);
                z[3] = 1;
                memcpy(tinte, p, 3);
            }
    }
    /* Compared inside the box of all laid-out cells. */
    const int x1 = x0 + (breiteste - 1) * schrittX + zelleB, y1 = y0 + (zeilen - 1) * schrittY + zelleH;
    long erwartet = 0, getroffen = 0, fremd = 0;
    for (int y = y0 < 0 ? 0 : y0; soll && y < y1 && y < schirm->hoehe; ++y)
        for (int x = x0 < 0 ? 0 : x0; x < x1 && x < schirm->breite; ++x) {
            const unsigned char* z = soll + ((size_t)y * schirm->breite + x) * 4;
            if (z[3]) {
                ++erwartet;
                getroffen += Gleich(Pixel(schirm, x, y), z);
            } else {
                fremd += Gleich(Pixel(schirm, x, y), tinte);
            }
        }
    free(soll);
    free(blatt.rgb);
    printf("Tinte %ld von %ld getroffen, %ld fremde Tintenpixel\n", getroffen, erwartet, fremd);
    return erwartet > 0 && erwartet - getroffen <= AUSREISSER && fremd <= AUSREISSER ? 0 : 1;
}

static int Farbig(const unsigned char* p)
{
    return p[0] < 200 || p[1] < 200 || p[2] < 200;
}

/* A cell is taken when its middle is not the near-white of the empty field:
 * every block colour has a channel below 200, under the white veil of the
 * game's end too. A landing shadow has a pale middle in a coloured frame. */
static int ZeigeFeld(const Bild* b, int x0, int y0, int zeile)
{
    for (int s = 0; s < SPALTEN; ++s) {
        const int x = x0 + s * ZELLE + ZELLE / 2, y = y0 + zeile * ZELLE + ZELLE / 2, rand = x - ZELLE / 2 + 2;
        if (x < 0 || y < 0 || x >= b->breite || y >= b->hoehe)
            return 2;
        putchar(Farbig(Pixel(b, x, y)) ? '#' : rand >= 0 && Farbig(Pixel(b, rand, y)) ? 'o' : '.');
    }
    putchar('\n');
    return 0;
}

int main(int argc, char** argv)
{
    /* Static: still reachable at the exit, no leak for the sanitizer build. */
    static Bild b;
    if (argc < 3 || !LesePpm(argv[1], &b)) {
        fprintf(stderr, "Aufruf: siehe bild_pruefen.c (oder Bild nicht lesbar)\n");
        return 2;
    }
    const char* art = argv[2];
    if (strcmp(art, "text") == 0 && argc == 8)
        return PruefeText(&b, argv + 3);
    if (strcmp(art, "farbe") == 0 && argc == 5) {
        const int x = atoi(argv[3]), y = atoi(argv[4]);
        if (x < 0 || y < 0 || x >= b.breite || y >= b.hoehe)
            return 2;
        printf("%d,%d,%d\n", Pixel(&b, x, y)[0], Pixel(&b, x, y)[1], Pixel(&b, x, y)[2]);
        return 0;
    }
    if (strcmp(art, "feld") == 0 && argc == 6)
        return ZeigeFeld(&b, atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
    fprintf(stderr, "bild_pruefen: unbekannte Pruefung %s\n", art);
    return 2;
}
