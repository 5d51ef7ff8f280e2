// ogg_file.cpp -- the music written as an Ogg Vorbis file through libvorbis
#include "ogg_file.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

#include "music.h"

const float VORBIS_QUALITY = 0.3f;
const int OGG_SERIAL = 0x526f7457;  // fixed, so every build writes the same bytes
const int ENCODE_CHUNK = 1024;

static bool write_pages(ogg_stream_state &os, FILE *file, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
        if (fwrite(page.header, 1, page.header_len, file) != (size_t)page.header_len ||
            fwrite(page.body, 1, page.body_len, file) != (size_t)page.body_len)
            return false;
    }
    return true;
}

static bool drain_blocks(vorbis_dsp_state &vd, vorbis_block &vb, ogg_stream_state &os, FILE *file)
{
    ogg_packet packet;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
        vorbis_analysis(&vb, nullptr);
        vorbis_bitrate_addblock(&vb);
        while (vorbis_bitrate_flushpacket(&vd, &packet)) {
            ogg_stream_packetin(&os, &packet);
            if (!write_pages(os, file, false))
                return false;
        }
    }
    return true;
}

bool write_ogg(const std::string &path, const std::vector<float> &samples, std::string &error)
{
    FILE *file = fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, MUSIC_RATE, VORBIS_QUALITY) != 0) {
        error = "the Vorbis encoder refused its settings";
        vorbis_info_clear(&vi);
        fclose(file);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Surrounded loop");
    vorbis_comment_add_tag(&vc, "ARTIST", "Selvane");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, OGG_SERIAL);
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    bool ok = write_pages(os, file, true);  // the audio starts on a fresh page
    long frames = (long)(samples.size() / 2);
    for (long at = 0; ok && at < frames; at += ENCODE_CHUNK) {
        int n = (int)std::min<long>(ENCODE_CHUNK, frames - at);
        float **buffer = vorbis_analysis_buffer(&vd, n);
        for (int i = 0; i < n; i++) {
            buffer[0][i] = samples[2 * (at + i)];
            buffer[1][i] = samples[2 * (at + i) + 1];
        }
        vorbis_analysis_wrote(&vd, n);
        ok = drain_blocks(vd, vb, os, file);
    }
    vorbis_analysis_wrote(&vd, 0);
    ok = ok && drain_blocks(vd, vb, os, file) && write_pages(os, file, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    if (fclose(file) != 0)
        ok = false;
    if (!ok)
        error = "cannot write " + path;
    return ok;
}
