// The description of an image (base path + ".konfig") beside a fixed bitmap:
// load it, change the colour key, draw every frame. A loaded image has frames
// and their textures.
#include "FuzzHilfe.h"

#include "VOQ_OGL_Bildlauf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::Beginne(true, {{"bild.bmp", fuzz::Testbild()}}); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier("bild.konfig", daten, groesse);
    VOQ_OGL_Bildlauf bild;
    fuzz::Pruefe(!bild.Init("bild") || (bild.GetBildAnzahl() >= 1 && bild.textures && bild.texturesMade));
    fuzz::ZeichneAlles(bild);
    return 0;
}
