#include "KL_Ogg.h"

#include "KL_Datei.h"
#include "KL_Puffer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace
{
void Seite(std::vector<uint8_t>& aus, const ogg_page& seite)
{
    aus.insert(aus.end(), seite.header, seite.header + seite.header_len);
    aus.insert(aus.end(), seite.body, seite.body + seite.body_len);
}

// Hands the analysed blocks to the stream and collects finished pages.
void Entleere(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& strom, std::vector<uint8_t>& aus)
{
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet paket;
        while (vorbis_bitrate_flushpacket(&dsp, &paket)) {
            ogg_stream_packetin(&strom, &paket);
            ogg_page seite;
            while (ogg_stream_pageout(&strom, &seite)) {
                Seite(aus, seite);
            }
        }
    }
}
}

std::vector<uint8_t> KL_Ogg::Kodiere(const KL_Puffer& puffer, float qualitaet, int seriennummer)
{
    std::vector<uint8_t> aus;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, puffer.Kanaele(), puffer.Rate(), qualitaet) != 0) {
        vorbis_info_clear(&info);
        return aus;
    }
    vorbis_comment kommentar;
    vorbis_comment_init(&kommentar);
    vorbis_comment_add_tag(&kommentar, "TITLE", "Quaderfall");

    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state strom;
    ogg_stream_init(&strom, seriennummer);

    ogg_packet kopf, kopfKommentar, kopfCode;
    vorbis_analysis_headerout(&dsp, &kommentar, &kopf, &kopfKommentar, &kopfCode);
    ogg_stream_packetin(&strom, &kopf);
    ogg_stream_packetin(&strom, &kopfKommentar);
    ogg_stream_packetin(&strom, &kopfCode);
    ogg_page seite;
    while (ogg_stream_flush(&strom, &seite)) {
        Seite(aus, seite);
    }

    const int kanaele = puffer.Kanaele();
    const std::size_t frames = puffer.Frames();
    const std::size_t stueck = 1024;
    for (std::size_t anfang = 0; anfang < frames; anfang += stueck) {
        const std::size_t n = std::min(stueck, frames - anfang);
        float** ziel = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i) {
            for (int k = 0; k < kanaele; ++k) {
                ziel[k][i] = puffer.Wert(anfang + i, k);
            }
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        Entleere(dsp, block, strom, aus);
    }
    vorbis_analysis_wrote(&dsp, 0);
    Entleere(dsp, block, strom, aus);
    while (ogg_stream_flush(&strom, &seite)) {
        Seite(aus, seite);
    }

    ogg_stream_clear(&strom);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&kommentar);
    vorbis_info_clear(&info);
    return aus;
}

bool KL_Ogg::Schreibe(const KL_Puffer& puffer, float qualitaet, int seriennummer, const std::string& pfad)
{
    const std::vector<uint8_t> bytes = Kodiere(puffer, qualitaet, seriennummer);
    if (bytes.empty()) {
        return false;
    }
    return KL_Datei::Schreibe(pfad, bytes);
}
