// A strip bitmap through SDL's BMP loader and the frame cutting: once as one
// frame of the bitmap's own size, once cut into odd frames that partly lie
// beyond the bitmap.
#include "FuzzHilfe.h"

#include "VOQ_OGL_Bildlauf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return fuzz::Beginne(true, {{"geschnitten.konfig", "ORIGINALGROESSE=5,3\nBILDERANZAHL=4\nUNSICHTBARKEIT=0,0,0\n"}});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier("ganz.bmp", daten, groesse);
    fuzz::Schreibe("geschnitten.bmp", std::string(reinterpret_cast<const char*>(daten), groesse));
    for (const char* name : {"ganz", "geschnitten"}) {
        VOQ_OGL_Bildlauf bild;
        bild.Init(name);
        fuzz::ZeichneAlles(bild);
    }
    return 0;
}
