// The description of an image (base path + ".konfig") beside a fixed strip of
// three 16 x 16 frames: load, change the colour key, draw every frame.
#include "FuzzHilfe.h"

#include "VOQ_OGL_Bildlauf.h"

#include <cstdlib>

extern "C" const char* __asan_default_options()
{
    return FuzzHilfe::ASAN_VORGABEN;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzHilfe::StilleLog();
    FuzzHilfe::StarteGrafik();
    FuzzHilfe::Schreibe("bild.bmp", FuzzHilfe::Bmp24(48, 16));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzHilfe::ImVerzeichnis hier;
    FuzzHilfe::Schreibe("bild.konfig", daten, groesse);

    VOQ_OGL_Bildlauf bild;
    if (bild.Init("bild") && (bild.GetBildAnzahl() < 1 || !bild.textures || !bild.texturesMade))
        std::abort();
    FuzzHilfe::ZeichneAlleBilder(bild);
    return 0;
}
