#include "VOQ_Maus.h"

#include "VOQ_Log.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Landschaft.h"
#include "VOQ_Zeit.h"

#include "SDL.h"

VOQ_Maus::VOQ_Maus()
    : visible(true), scrollLand(false), simClicked(false), landschaft(nullptr), init(nullptr),
      given(0), ticksNow(0), ticksLastScroll(0), inited(false), drawLandPosX(0), drawLandPosY(0),
      overLand(false), feldMarkierung(false), feldGroesse(1)
{
}

VOQ_Maus::VOQ_Maus(std::string bildName)
    : VOQ_Maus()
{
    Init(bildName);
}

// After SDL_Quit (at the program's exit) the cursor is SDL's to let go.
VOQ_Maus::~VOQ_Maus()
{
    if (unsichtbar && SDL_WasInit(SDL_INIT_VIDEO))
        SDL_FreeCursor(unsichtbar);
}

bool VOQ_Maus::Init(std::string bildName)
{
    feldMarkierung = false;
    name = bildName;
    const std::string bildPfad = pfad + "/" + name;
    VOQ_Log::Aus("#o> VOQ_OGL_Eingabe - erstelle Mauszeiger '" + bildPfad + "' ...\n\t");
    zeiger.Init(bildPfad);

    // The markers are loaded once, and not at all when a landscape came first.
    if (!inited && !(given & LANDSCHAFT_GEGEBEN)) {
        markierung1.Init(pfad + "/feldmarkierung1");
        markierung4.Init(pfad + "/feldmarkierung4");
        markierung9.Init(pfad + "/feldmarkierung9");
        markierungX.Init(pfad + "/feldmarkierungx");
    }
    VersteckeSystemzeiger();
    inited = true;
    return true;
}

// Hidden by a cursor without a visible pixel, not switched off: under
// sdl12-compat a cursor switched off in a grabbed window (a full screen is
// grabbed) puts SDL2 into relative mouse mode, where a tablet, a touch screen,
// a remote desktop or xdotool no longer move the pointer. Only when no cursor
// can be made is it switched off.
void VOQ_Maus::VersteckeSystemzeiger()
{
    if (!unsichtbar) {
        Uint8 leer[8] = {};
        unsichtbar = SDL_CreateCursor(leer, leer, 8, 8, 0, 0);
    }
    if (unsichtbar)
        SDL_SetCursor(unsichtbar);
    else
        SDL_ShowCursor(SDL_DISABLE);
}

bool VOQ_Maus::Inited() { return inited; }

void VOQ_Maus::Draw()
{
    if (!visible)
        return;
    int mx = 0, my = 0;
    SDL_GetMouseState(&mx, &my);

    if (LandschaftAktiv()) {
        Scrolle();
        SetAnimPos(RandRahmen(mx, my));
        if (SucheKachel(mx, my))
            ZeichneMarkierung();
    } else {
        SetAnimPos(NORMAL);
    }
    zeiger.DrawCenter(mx, my);
}

bool VOQ_Maus::LandschaftAktiv() const
{
    return given == (LANDSCHAFT_GEGEBEN | VIDEO_GEGEBEN) && scrollLand && landschaft && init;
}

// One scroll step at most every 74 ms: towards the edge the pointer frame of
// the previous Draw shows, and along every arrow key held.
void VOQ_Maus::Scrolle()
{
    ticksNow = VOQ_Zeit::Ticks();
    if (ticksNow - ticksLastScroll <= SCROLL_ABSTAND)
        return;

    switch (zeiger.GetAnimPos()) {
    case OBEN:         landschaft->AddPosY(-1); break;
    case UNTEN:        landschaft->AddPosY(1); break;
    case RECHTS:       landschaft->AddPosX(1); break;
    case LINKS:        landschaft->AddPosX(-1); break;
    case OBEN_LINKS:   landschaft->AddPosXY(-1, -1); break;
    case OBEN_RECHTS:  landschaft->AddPosXY(1, -1); break;
    case UNTEN_LINKS:  landschaft->AddPosXY(-1, 1); break;
    case UNTEN_RECHTS: landschaft->AddPosXY(1, 1); break;
    default: break;
    }

    int anzahl = 0;
    const Uint8* tasten = SDL_GetKeyState(&anzahl);
    auto gehalten = [&](int taste) { return tasten && taste < anzahl && tasten[taste]; };
    if (gehalten(SDLK_UP))
        landschaft->AddPosY(-1);
    if (gehalten(SDLK_DOWN))
        landschaft->AddPosY(1);
    if (gehalten(SDLK_LEFT))
        landschaft->AddPosX(-1);
    if (gehalten(SDLK_RIGHT))
        landschaft->AddPosX(1);

    ticksLastScroll = ticksNow;
}

int VOQ_Maus::RandRahmen(int mx, int my) const
{
    const int rechts = init->GetVideoWidth() - 1;
    const int unten = init->GetVideoHeight() - 1;
    if (mx == 0 && my == 0)
        return OBEN_LINKS;
    if (mx == rechts && my == 0)
        return OBEN_RECHTS;
    if (mx == 0 && my == unten)
        return UNTEN_LINKS;
    if (mx == rechts && my == unten)
        return UNTEN_RECHTS;
    if (my == 0)
        return OBEN;
    if (my == unten)
        return UNTEN;
    if (mx == 0)
        return LINKS;
    if (mx == rechts)
        return RECHTS;
    return NORMAL;
}

// The tile under the pointer, counted in the visible part; false (and
// overLand cleared) when the pointer is beside the shown map.
bool VOQ_Maus::SucheKachel(int mx, int my)
{
    const VOQ_OGL_Landschaft& land = *landschaft;
    const int kw = land.GetKachelWidth();
    const int kh = land.GetKachelHeight();
    const bool darueber = mx >= land.x && my >= land.y
                          && mx < land.x + kw * land.spalten && my < land.y + kh * land.zeilen
                          && mx < land.x + kw * land.GetSpielFeldWidth()
                          && my < land.y + kh * land.GetSpielFeldHeight();
    overLand = darueber;
    if (!darueber)
        return false;
    drawLandPosX = (mx - land.x) / kw;
    drawLandPosY = (my - land.y) / kh;
    return true;
}

void VOQ_Maus::ZeichneMarkierung()
{
    if (!feldMarkierung)
        return;
    VOQ_OGL_Bildlauf* markierung = nullptr;
    switch (feldGroesse) {
    case 1: markierung = &markierung1; break;
    case 4: markierung = &markierung4; break;
    case 9: markierung = &markierung9; break;
    case 0: markierung = &markierungX; break;
    default: return;
    }
    markierung->Draw(landschaft->x + drawLandPosX * landschaft->GetKachelWidth(),
                     landschaft->y + drawLandPosY * landschaft->GetKachelHeight());
}

// SDL reads the pointer in picture pixels but moves it in window pixels,
// which differ in an enlarged or full-screen window.
void VOQ_Maus::SetPosXY(int x, int y)
{
    if (init)
        init->Fensterpunkt(x, y);
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
}

int VOQ_Maus::GetPosX()
{
    int mx = 0;
    SDL_GetMouseState(&mx, nullptr);
    return mx;
}

int VOQ_Maus::GetPosY()
{
    int my = 0;
    SDL_GetMouseState(nullptr, &my);
    return my;
}

bool VOQ_Maus::SetAnimPos(int n) { return zeiger.SetAnimPos(n); }
int VOQ_Maus::GetAnimPos() { return zeiger.GetAnimPos(); }

void VOQ_Maus::GiveLandschaft(VOQ_OGL_Landschaft* land)
{
    landschaft = land;
    given |= LANDSCHAFT_GEGEBEN;
}

void VOQ_Maus::GiveInit(VOQ_OGL_Init* videoInit)
{
    init = videoInit;
    given |= VIDEO_GEGEBEN;
}

bool VOQ_Maus::OverLand() { return overLand; }
int VOQ_Maus::GetDrawLandPosX() { return drawLandPosX; }
int VOQ_Maus::GetDrawLandPosY() { return drawLandPosY; }

int VOQ_Maus::GetLandPosX()
{
    return (landschaft ? landschaft->GetPosX() : 0) + drawLandPosX;
}

int VOQ_Maus::GetLandPosY()
{
    return (landschaft ? landschaft->GetPosY() : 0) + drawLandPosY;
}

void VOQ_Maus::SetFeldMarkierung(bool an) { feldMarkierung = an; }
void VOQ_Maus::SetFeldGroesse(int groesse) { feldGroesse = groesse; }

void VOQ_Maus::SimClick() { simClicked = true; }

bool VOQ_Maus::WasSimClicked()
{
    const bool war = simClicked;
    simClicked = false;
    return war;
}
