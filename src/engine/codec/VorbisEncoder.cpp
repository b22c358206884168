#include "engine/codec/VorbisEncoder.h"

#include "engine/codec/OutputFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <random>
#include <utility>
#include <vector>
#include <vorbis/vorbisenc.h>

namespace {

int initEncoder(vorbis_info* vi, const codec::OggFormat& f) {
    if (f.quality >= 0)
        return vorbis_encode_init_vbr(vi, f.channels, f.rate, static_cast<float>(f.quality) / 1000.0F);
    const long nominal = f.nominalKbps * 1000L;
    if (f.minKbps > 0)
        return vorbis_encode_init(vi, f.channels, f.rate, f.maxKbps * 1000L, nominal, f.minKbps * 1000L);
    // No limits: the nominal rate is an average target without the costly bit-rate manager.
    if (vorbis_encode_setup_managed(vi, f.channels, f.rate, -1, nominal, -1) != 0 ||
        vorbis_encode_ctl(vi, OV_ECTL_RATEMANAGE2_SET, nullptr) != 0)
        return -1;
    return vorbis_encode_setup_init(vi);
}

class VorbisEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, const codec::OggFormat& format,
                                         const codec::AudioTags& tags, EncoderError& error) {
        std::unique_ptr<VorbisEncoder> encoder(new VorbisEncoder(format.channels, format.rate));
        if (initEncoder(&encoder->m_info, format) != 0) {
            error = {EncoderError::Kind::System,
                     QCoreApplication::translate("VorbisEncoder", "the Ogg Vorbis encoder refuses %1")
                         .arg(format.describe())};
            return nullptr;
        }
        encoder->addComments(tags);
        encoder->start();
        error = encoder->m_out.open(path);
        if (!error.failed())
            error = encoder->writeHeaders();
        if (error.failed()) {
            encoder->m_out.discard();
            return nullptr;
        }
        return encoder;
    }

    ~VorbisEncoder() override {
        close();
        if (m_started) {
            ogg_stream_clear(&m_stream);
            vorbis_block_clear(&m_block);
            vorbis_dsp_clear(&m_dsp);
        }
        vorbis_comment_clear(&m_comment);
        vorbis_info_clear(&m_info);
    }

    EncoderError write(const SampleBlock& block) override {
        if (!m_out.isOpen())
            return {};
        // libvorbis shifts its whole buffer after every analysed block, so a second fed at
        // once costs far more than the same second fed in small pieces.
        constexpr int kChunk = 1024;
        const int frames = static_cast<int>(block.size()) / m_channels;
        const std::int16_t* in = block.data();
        EncoderError error;
        for (int done = 0; done < frames && !error.failed(); done += kChunk) {
            const int n = std::min(kChunk, frames - done);
            float** buffer = vorbis_analysis_buffer(&m_dsp, n);
            for (int i = 0; i < n; ++i)
                for (int c = 0; c < m_channels; ++c)
                    buffer[c][i] = static_cast<float>(*in++) / 32768.0F;
            vorbis_analysis_wrote(&m_dsp, n);
            encodeAvailable();
            // A page per quarter second at most, so that a torn last page costs little
            // even when a large block or a quiet signal would make one page of a second.
            m_unflushedFrames += n;
            if (m_unflushedFrames >= m_rate / 4)
                error = flushPages();
        }
        if (!error.failed())
            error = flushPages();
        if (error.failed())
            m_out.close();
        return error;
    }

    EncoderError close() override {
        if (!m_out.isOpen())
            return {};
        vorbis_analysis_wrote(&m_dsp, 0);
        encodeAvailable();
        const EncoderError error = flushPages();
        const EncoderError closed = m_out.close();
        return error.failed() ? error : closed;
    }

private:
    VorbisEncoder(int channels, int rate)
        : m_channels(channels)
        , m_rate(rate) {
        vorbis_info_init(&m_info);
        vorbis_comment_init(&m_comment);
    }

    void addComments(const codec::AudioTags& tags) {
        const std::pair<const char*, const QString*> fields[] = {
            {"TITLE", &tags.title}, {"ARTIST", &tags.artist},   {"ALBUM", &tags.album},
            {"DATE", &tags.year},   {"COMMENT", &tags.comment}, {"TRACKNUMBER", &tags.track},
            {"GENRE", &tags.genre},
        };
        for (const auto& [key, value] : fields)
            if (!value->isEmpty())
                vorbis_comment_add_tag(&m_comment, key, value->toUtf8().constData());
    }

    void start() {
        vorbis_analysis_init(&m_dsp, &m_info);
        vorbis_block_init(&m_dsp, &m_block);
        ogg_stream_init(&m_stream, static_cast<int>(std::random_device{}() & 0x7fffffff));
        m_started = true;
    }

    EncoderError writeHeaders() {
        ogg_packet id, comment, codebooks;
        vorbis_analysis_headerout(&m_dsp, &m_comment, &id, &comment, &codebooks);
        ogg_stream_packetin(&m_stream, &id);
        ogg_stream_packetin(&m_stream, &comment);
        ogg_stream_packetin(&m_stream, &codebooks);
        // Audio must start on a fresh page.
        return flushPages();
    }

    // Encodes what the analysis holds into packets of the stream.
    void encodeAvailable() {
        while (vorbis_analysis_blockout(&m_dsp, &m_block) == 1) {
            vorbis_analysis(&m_block, nullptr);
            vorbis_bitrate_addblock(&m_block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&m_dsp, &packet) == 1)
                ogg_stream_packetin(&m_stream, &packet);
        }
    }

    // Puts every packet so far on disk, ending the page early if need be.
    EncoderError flushPages() {
        m_unflushedFrames = 0;
        ogg_page page;
        while (ogg_stream_flush(&m_stream, &page) != 0) {
            // One write per page, so a full disk never leaves half a page behind.
            m_page.assign(page.header, page.header + page.header_len);
            m_page.insert(m_page.end(), page.body, page.body + page.body_len);
            const EncoderError error = m_out.append(m_page.data(), static_cast<std::int64_t>(m_page.size()));
            if (error.failed())
                return error;
        }
        return {};
    }

    int m_channels;
    int m_rate;
    int m_unflushedFrames = 0;
    bool m_started = false;
    vorbis_info m_info{};
    vorbis_comment m_comment{};
    vorbis_dsp_state m_dsp{};
    vorbis_block m_block{};
    ogg_stream_state m_stream{};
    OutputFile m_out;
    std::vector<unsigned char> m_page;
};

} // namespace

std::unique_ptr<Encoder> openOggEncoder(const QString& path, const codec::OggFormat& format,
                                        const codec::AudioTags& tags, EncoderError& error) {
    return VorbisEncoder::open(path, format, tags, error);
}
