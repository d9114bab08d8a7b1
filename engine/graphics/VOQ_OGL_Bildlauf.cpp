#include "VOQ_OGL_Bildlauf.h"

#include "VOQ_Konfig.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Textur.h"
#include "VOQ_Zaehler.h"
#include "VOQ_Zeit.h"

#include "SDL.h"

#include <cstdint>
#include <memory>
#include <new>

namespace
{
const char* const SCHLUESSEL[] = {
    "ORIGINALGROESSE", "ANZEIGEGROESSE", "BILDERANZAHL", "VERZOEGERUNG",
    "UNSICHTBARKEIT", "DURCHSICHTIGKEIT", "PAUSIERT", "EINMAL",
};
enum {
    ORIGINALGROESSE, ANZEIGEGROESSE, BILDERANZAHL, VERZOEGERUNG,
    UNSICHTBARKEIT, DURCHSICHTIGKEIT, PAUSIERT, EINMAL, SCHLUESSEL_ANZAHL
};

const int STD_VERZOEGERUNG = 500;
const int BLENDZAEHLER = 0;
const int BLENDSCHRITTE = 100;
const int BLENDINTERVALL = 10;
const float ROTATIONSSCHRITT = 1.8f;
const float ROTATIONSSCHWELLE = 1000.0f;

void Tausche(float& a, float& b)
{
    const float t = a;
    a = b;
    b = t;
}
}

VOQ_OGL_Bildlauf::VOQ_OGL_Bildlauf()
    : strip(nullptr), frameSurface(nullptr), textures(nullptr), loaded(false), texturesMade(false),
      texturAnzahl(0)
{
    Zuruecksetzen();
    animPos = 1;
}

VOQ_OGL_Bildlauf::VOQ_OGL_Bildlauf(std::string name)
    : VOQ_OGL_Bildlauf()
{
    Init(name);
}

VOQ_OGL_Bildlauf::~VOQ_OGL_Bildlauf()
{
    Freigeben();
}

void VOQ_OGL_Bildlauf::Zuruecksetzen()
{
    visible = true;
    rotationOn = autoRotating = playOnce = paused = mirrorX = mirrorY = false;
    fadingIn = fadingOut = false;
    rotateRight = true;
    keyColour[0] = 255;
    keyColour[1] = 0;
    keyColour[2] = 255;
    SetRotation(0.0f);
    SetRotationSpeed(1.0f);
    frameWidth = frameHeight = drawWidth = drawHeight = 0;
    frameCount = 1;
    delay = STD_VERZOEGERUNG;
    x = y = 0;
    rotationNow = rotationLastStep = frameNow = frameLastChange = 0;
    rotationProgress = rotationCarry = 0.0f;
    alpha = 1.0f;
    if (counters.zaehler_anzahl == 0)
        counters.CreateZaehler();
}

void VOQ_OGL_Bildlauf::Freigeben()
{
    // The store looks at what it keeps only when the last image of a set lets go.
    const bool zuletzt = satz && satz.use_count() <= 2;
    Zeige(nullptr);
    strip = nullptr;
    loaded = false;
    if (zuletzt)
        VOQ_OGL_Bildspeicher::Raeume();
}

// The set whose frames this image shows from now on (none: null).
void VOQ_OGL_Bildlauf::Zeige(std::shared_ptr<const VOQ_OGL_Bildspeicher::Bildsatz> neu)
{
    satz = std::move(neu);
    strip = nullptr;
    frameSurface = nullptr;
    textures = satz ? satz->texturen.get() : nullptr;
    texturAnzahl = satz ? satz->anzahl : 0;
    texturesMade = satz != nullptr;
}

void VOQ_OGL_Bildlauf::FehlerZeile(const std::string& text)
{
    VOQ_Log::Fehler("\n#o> VOQ_OGL_Bildlauf - FEHLER: " + text + "\n\n");
}

bool VOQ_OGL_Bildlauf::Init(std::string neuerName)
{
    Zuruecksetzen();
    name = neuerName;
    bmpPath = name + ".bmp";
    konfigPath = name + ".konfig";

    Freigeben();
    const std::shared_ptr<const VOQ_OGL_Bildspeicher::Streifen> streifen =
        VOQ_OGL_Bildspeicher::HoleStreifen(bmpPath);
    int stripBreite = 0;
    int stripHoehe = 0;
    if (!VOQ_OGL_Bildspeicher::Groesse(streifen.get(), stripBreite, stripHoehe)) {
        FehlerZeile("KANN GRAFIK '" + bmpPath + "' NICHT LADEN!");
        return false;
    }

    LeseBeschreibung();
    if (frameWidth == 0)
        frameWidth = stripBreite;
    if (frameHeight == 0)
        frameHeight = stripHoehe;
    if (drawWidth == 0)
        drawWidth = frameWidth;
    if (drawHeight == 0)
        drawHeight = frameHeight;

    if (!PruefeBildgroesse()) {
        Freigeben();
        return false;
    }
    BegrenzeBilderanzahl();

    if (!NimmSatz(streifen, frameWidth, frameHeight, frameCount)) {
        Freigeben();
        return false;
    }
    VOQ_OGL_Bildspeicher::Entlade(streifen.get());
    SetAnimPos(1);
    loaded = true;
    return true;
}

// The frames at this size, count and key: those another image has made
// already, or new ones. The log reads the same either way, so that it does
// not depend on what the store keeps.
bool VOQ_OGL_Bildlauf::NimmSatz(const std::shared_ptr<const VOQ_OGL_Bildspeicher::Streifen>& streifen,
                                int breite, int hoehe, int anzahl)
{
    std::shared_ptr<const VOQ_OGL_Bildspeicher::Bildsatz> gefunden =
        VOQ_OGL_Bildspeicher::SucheSatz(streifen, breite, hoehe, anzahl, keyColour);
    if (!gefunden)
        return BaueSatz(streifen, breite, hoehe, anzahl);
    Zeige(std::move(gefunden));
    MeldeTexturen(false);
    MeldeTexturen(true);
    return true;
}

bool VOQ_OGL_Bildlauf::BaueSatz(const std::shared_ptr<const VOQ_OGL_Bildspeicher::Streifen>& streifen,
                                int breite, int hoehe, int anzahl)
{
    bool texturfehler = false;
    std::shared_ptr<const VOQ_OGL_Bildspeicher::Bildsatz> neu =
        VOQ_OGL_Bildspeicher::MacheSatz(streifen, breite, hoehe, anzahl, keyColour, texturfehler);
    if (!neu && !texturfehler) {
        FehlerZeile("KEIN SPEICHER FUER DIE BILDER VON '" + bmpPath + "'!");
        return false;
    }
    MeldeTexturen(false);
    if (!neu) {
        FehlerZeile("KANN TEXTUREN FUER '" + bmpPath + "' NICHT ERSTELLEN!");
        return false;
    }
    Zeige(std::move(neu));
    MeldeTexturen(true);
    return true;
}

void VOQ_OGL_Bildlauf::MeldeTexturen(bool erledigt)
{
    if (erledigt)
        VOQ_Log::Aus("\t(erledigt)\n");
    else
        VOQ_Log::Aus("#o> VOQ_OGL_Bildlauf - Lade Texturen '" + bmpPath + "' ...");
}

void VOQ_OGL_Bildlauf::LeseBeschreibung()
{
    VOQ_Konfig::JedeZeile(konfigPath, VOQ_Konfig::ZEILE_KURZ, [this](const std::string& zeile) { LeseZeile(zeile); });
}

void VOQ_OGL_Bildlauf::LeseZeile(const std::string& zeile)
{
    int zahlen[2] = {0, 0};
    int zahl = 0;

    switch (VOQ_Konfig::FindeSchluessel(zeile, SCHLUESSEL, SCHLUESSEL_ANZAHL)) {
    case ORIGINALGROESSE:
        zahlen[0] = frameWidth;
        zahlen[1] = frameHeight;
        VOQ_Konfig::LeseZahlen(zeile, SCHLUESSEL[ORIGINALGROESSE], zahlen, 2);
        frameWidth = zahlen[0];
        frameHeight = zahlen[1];
        break;
    case ANZEIGEGROESSE:
        zahlen[0] = drawWidth;
        zahlen[1] = drawHeight;
        VOQ_Konfig::LeseZahlen(zeile, SCHLUESSEL[ANZEIGEGROESSE], zahlen, 2);
        drawWidth = zahlen[0];
        drawHeight = zahlen[1];
        break;
    case BILDERANZAHL:
        if (!VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[BILDERANZAHL], zahl))
            break;
        if (zahl < 1)
            FehlerZeile("BILDERANZAHL " + std::to_string(zahl) + " IN '" + konfigPath
                        + "' UNGUELTIG - MINDESTENS 1 BILD!");
        else
            frameCount = zahl;
        break;
    case VERZOEGERUNG:
        VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[VERZOEGERUNG], delay);
        break;
    case UNSICHTBARKEIT:
        VOQ_Konfig::LeseZahlen(zeile, SCHLUESSEL[UNSICHTBARKEIT], keyColour, 3);
        break;
    case DURCHSICHTIGKEIT:
        VOQ_Konfig::LeseFliesszahl(zeile, SCHLUESSEL[DURCHSICHTIGKEIT], alpha);
        break;
    case PAUSIERT:
        if (VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[PAUSIERT], zahl))
            paused = (zahl == 1);
        break;
    case EINMAL:
        if (VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[EINMAL], zahl))
            playOnce = (zahl == 1);
        break;
    default:
        break;
    }
}

bool VOQ_OGL_Bildlauf::PruefeBildgroesse()
{
    const int grenze = VOQ_OGL_Textur::GROESSTE_SEITE;
    if (frameWidth >= 1 && frameHeight >= 1 && frameWidth <= grenze && frameHeight <= grenze)
        return true;
    FehlerZeile("BILDGROESSE " + std::to_string(frameWidth) + "x" + std::to_string(frameHeight) + " VON '"
                + bmpPath + "' UNGUELTIG (1 BIS " + std::to_string(grenze) + ")!");
    return false;
}

void VOQ_OGL_Bildlauf::BegrenzeBilderanzahl()
{
    // Frame i starts at x = i * frameWidth, which a rectangle must hold in 16 bits.
    const int erreichbar = VOQ_OGL_Textur::GROESSTER_VERSATZ / frameWidth + 1;
    if (frameCount <= erreichbar)
        return;
    FehlerZeile("BILDERANZAHL " + std::to_string(frameCount) + " VON '" + bmpPath + "' LIEGT JENSEITS X="
                + std::to_string(VOQ_OGL_Textur::GROESSTER_VERSATZ) + " - NUR " + std::to_string(erreichbar)
                + " BILDER!");
    frameCount = erreichbar;
}

bool VOQ_OGL_Bildlauf::LoadInTextures()
{
    if (!satz)
        return false;
    // Held here: taking the new set lets go of the old one, and with it maybe of the strip.
    const std::shared_ptr<const VOQ_OGL_Bildspeicher::Bildsatz> alt = satz;
    if (NimmSatz(alt->streifen, alt->breite, alt->hoehe, alt->anzahl)) {
        VOQ_OGL_Bildspeicher::Entlade(alt->streifen.get());
        return true;
    }
    Freigeben();
    return false;
}

void VOQ_OGL_Bildlauf::SetTransColor(int preset)
{
    int bgr[3];
    if (VOQ_OGL_Textur::Farbvorgabe(preset, bgr))
        SetTransColor(bgr[0], bgr[1], bgr[2]);
}

void VOQ_OGL_Bildlauf::SetTransColor(int b, int g, int r)
{
    keyColour[0] = b;
    keyColour[1] = g;
    keyColour[2] = r;
    LoadInTextures();
}

void VOQ_OGL_Bildlauf::SetAlpha(float a) { alpha = a; }
void VOQ_OGL_Bildlauf::AddAlpha(float a) { alpha += a; }
float VOQ_OGL_Bildlauf::GetAlpha() { return alpha; }

bool VOQ_OGL_Bildlauf::SchritteAnimation()
{
    frameNow = VOQ_Zeit::Ticks();
    const std::int32_t vergangen = static_cast<std::int32_t>(frameNow - frameLastChange);
    if (vergangen <= delay || paused)
        return true;
    if (animPos < frameCount) {
        ++animPos;
    } else {
        animPos = 1;
        if (playOnce) {
            paused = true;
            animPos = 0;
            return false;
        }
    }
    frameLastChange = frameNow;
    return true;
}

void VOQ_OGL_Bildlauf::Blenden()
{
    VOQ_Zaehler* blende = counters.zaehler[BLENDZAEHLER];
    if (!blende)
        return;
    if (fadingIn) {
        if (blende->Counter())
            fadingIn = false;
        alpha = 1.0f - blende->GetCurrent() / 1000.0f;
    }
    if (fadingOut) {
        if (blende->Counter())
            fadingOut = false;
        alpha = blende->GetCurrent() / 1000.0f;
    }
}

void VOQ_OGL_Bildlauf::Drehen()
{
    if (angle >= 360.0f)
        angle = 0.0f;
    if (shownAngle >= 360.0f)
        shownAngle = 0.0f;

    if (autoRotating) {
        rotationNow = VOQ_Zeit::Ticks();
        // 64 bits: a long pause times 200 must not wrap.
        const std::uint64_t fortschritt = static_cast<std::uint64_t>(rotationNow - rotationLastStep) * 200u;
        rotationProgress = static_cast<float>(fortschritt) * rotationSpeed;
        if (rotationProgress >= rotationCarry + ROTATIONSSCHWELLE) {
            shownAngle += rotateRight ? ROTATIONSSCHRITT : -ROTATIONSSCHRITT;
            rotationCarry = ROTATIONSSCHWELLE - rotationProgress;
            rotationLastStep = rotationNow;
        }
    }
}

void VOQ_OGL_Bildlauf::Gedreht()
{
    // The speed is the axis' z component, so a negative speed turns the other
    // way. A zero axis has no direction: a standing image keeps its angle about +z.
    const float achse = rotationSpeed != 0.0f ? rotationSpeed : 1.0f;
    VOQ_OGL_Textur::Drehe(shownAngle, achse);
}

bool VOQ_OGL_Bildlauf::HatBild() const
{
    return texturesMade && textures && animPos >= 1 && animPos <= texturAnzahl;
}

void VOQ_OGL_Bildlauf::Draw()
{
    if (frameCount > 1 && !SchritteAnimation())
        return;
    if (!visible)
        return;

    float sLinks = 0.0f, sRechts = 1.0f, tOben = 0.0f, tUnten = 1.0f;
    if (mirrorX)
        Tausche(sLinks, sRechts);
    if (mirrorY)
        Tausche(tOben, tUnten);

    Blenden();
    // Nothing loaded, or animPos 0 after a play-once run: no frame to show.
    if (!HatBild())
        return;

    if (rotationOn)
        Drehen();
    const unsigned int textur = textures[animPos - 1];
    if (!VOQ_OGL_Textur::AendertPixel(textur, alpha))
        return;

    const int hw = drawWidth / 2;
    const int hh = drawHeight / 2;
    VOQ_OGL_Textur::Beginne(textur, static_cast<float>(x + hw), static_cast<float>(y + hh), alpha);
    if (rotationOn)
        Gedreht();
    VOQ_OGL_Textur::Quad(static_cast<float>(-hw), static_cast<float>(-hh), static_cast<float>(hw),
                         static_cast<float>(hh), sLinks, tOben, sRechts, tUnten);
}

void VOQ_OGL_Bildlauf::Draw(int nx, int ny)
{
    x = nx;
    y = ny;
    Draw();
}

void VOQ_OGL_Bildlauf::DrawCenter(int cx, int cy)
{
    SetCenterX(cx);
    SetCenterY(cy);
    Draw();
}

int VOQ_OGL_Bildlauf::GetWidthTex() { return frameWidth; }
int VOQ_OGL_Bildlauf::GetHeightTex() { return frameHeight; }
int VOQ_OGL_Bildlauf::GetWidthDraw() { return drawWidth; }
int VOQ_OGL_Bildlauf::GetHeightDraw() { return drawHeight; }
void VOQ_OGL_Bildlauf::SetWidthDraw(int w) { drawWidth = w; }
void VOQ_OGL_Bildlauf::SetHeightDraw(int h) { drawHeight = h; }

void VOQ_OGL_Bildlauf::SetSizeDraw(int w, int h)
{
    drawWidth = w;
    drawHeight = h;
}

int VOQ_OGL_Bildlauf::GetCenterX() { return drawWidth / 2 + x; }
int VOQ_OGL_Bildlauf::GetCenterY() { return drawHeight / 2 + y; }
void VOQ_OGL_Bildlauf::SetCenterX(int cx) { x = cx - drawWidth / 2; }
void VOQ_OGL_Bildlauf::SetCenterY(int cy) { y = cy - drawHeight / 2; }

void VOQ_OGL_Bildlauf::SetCenterXY(int cx, int cy)
{
    SetCenterX(cx);
    SetCenterY(cy);
}

void VOQ_OGL_Bildlauf::Einblenden()
{
    if (counters.zaehler[BLENDZAEHLER])
        counters.zaehler[BLENDZAEHLER]->CountDownFrom(BLENDSCHRITTE, BLENDINTERVALL);
    fadingIn = true;
}

void VOQ_OGL_Bildlauf::Ausblenden()
{
    if (counters.zaehler[BLENDZAEHLER])
        counters.zaehler[BLENDZAEHLER]->CountDownFrom(BLENDSCHRITTE, BLENDINTERVALL);
    fadingOut = true;
}

int VOQ_OGL_Bildlauf::GetAnimPos() { return animPos; }

bool VOQ_OGL_Bildlauf::SetAnimPos(int n)
{
    if (n >= 0 && n <= frameCount) {
        animPos = n;
        return true;
    }
    animPos = 1;
    return false;
}

bool VOQ_OGL_Bildlauf::NextAnim() { return SetAnimPos(GetAnimPos() + 1); }
int VOQ_OGL_Bildlauf::GetBildAnzahl() { return frameCount; }
void VOQ_OGL_Bildlauf::SetVerzoegerung(int ms) { delay = ms; }
int VOQ_OGL_Bildlauf::GetVerzoegerung() { return delay; }

void VOQ_OGL_Bildlauf::SetAutoRotating(bool on)
{
    autoRotating = on;
    if (on) {
        rotationCarry = 0.0f;
        rotationOn = true;
    }
}

void VOQ_OGL_Bildlauf::SetRotation(float a)
{
    angle = a;
    shownAngle = a;
}

void VOQ_OGL_Bildlauf::AddRotation(float d)
{
    angle += d;
    if (angle == 360.0f)
        angle = 0.0f;
    shownAngle = angle;
}

void VOQ_OGL_Bildlauf::SetRotationSpeed(float s) { rotationSpeed = s; }
void VOQ_OGL_Bildlauf::AddRotationSpeed(float s) { rotationSpeed += s; }
void VOQ_OGL_Bildlauf::SetRotateRight() { rotateRight = true; }
void VOQ_OGL_Bildlauf::SetRotateLeft() { rotateRight = false; }
float VOQ_OGL_Bildlauf::GetRotationPos() { return shownAngle; }
