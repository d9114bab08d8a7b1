// A strip bitmap through SDL's BMP loader and the frame cutting: once as one
// frame of the bitmap's own size, once cut into odd frames that partly lie
// beyond the bitmap.
#include "FuzzHilfe.h"

#include "VOQ_OGL_Bildlauf.h"

extern "C" const char* __asan_default_options()
{
    return FuzzHilfe::ASAN_VORGABEN;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzHilfe::StilleLog();
    FuzzHilfe::StarteGrafik();
    FuzzHilfe::Schreibe("geschnitten.konfig", "ORIGINALGROESSE=5,3\nBILDERANZAHL=4\nUNSICHTBARKEIT=0,0,0\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzHilfe::ImVerzeichnis hier;
    FuzzHilfe::Schreibe("ganz.bmp", daten, groesse);
    FuzzHilfe::Schreibe("geschnitten.bmp", daten, groesse);

    VOQ_OGL_Bildlauf ganz;
    ganz.Init("ganz");
    FuzzHilfe::ZeichneAlleBilder(ganz);

    VOQ_OGL_Bildlauf geschnitten;
    geschnitten.Init("geschnitten");
    FuzzHilfe::ZeichneAlleBilder(geschnitten);
    return 0;
}
