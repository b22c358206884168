#include "engine/codec/LameEncoder.h"

#include "engine/codec/OutputFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <lame/lame.h>
#include <vector>

namespace {

vbr_mode vbrMode(int encodingMode) {
    switch (encodingMode) {
    case Mp3Options::kModeDefault:
        return vbr_default;
    case Mp3Options::kModeOld:
        return vbr_rh;
    case Mp3Options::kModeNew:
        return vbr_mt;
    case Mp3Options::kModeMtrh:
        return vbr_mtrh;
    case Mp3Options::kModeAbr:
        return vbr_abr;
    default:
        return vbr_off;
    }
}

MPEG_mode mpegMode(int channels, int channelMode) {
    if (channels == 1)
        return MONO;
    switch (channelMode) {
    case Mp3Options::kJointStereo:
    case Mp3Options::kForcedJointStereo:
        return JOINT_STEREO;
    default:
        // LAME has no dual-channel coding; plain stereo keeps the channels independent too.
        return STEREO;
    }
}

// Applies every option; LAME checks the combination in lame_init_params.
void configure(lame_global_flags* gf, const codec::Mp3Format& format) {
    const Mp3Options& o = format.options;
    lame_set_in_samplerate(gf, format.rate);
    lame_set_out_samplerate(gf, format.rate);
    lame_set_num_channels(gf, format.channels);
    lame_set_mode(gf, mpegMode(format.channels, o.channelMode));
    lame_set_force_ms(gf, format.channels == 2 && o.channelMode == Mp3Options::kForcedJointStereo);
    lame_set_quality(gf, o.quality);
    lame_set_brate(gf, format.effectiveKbps());
    lame_set_VBR(gf, vbrMode(o.encodingMode));
    if (o.encodingMode != Mp3Options::kModeNone) {
        // Outside constant bit rate the bit rate is the floor, which silence may go below
        // unless the minimum is enforced.
        lame_set_VBR_min_bitrate_kbps(gf, format.effectiveKbps());
        lame_set_VBR_q(gf, o.vbrQuality);
        lame_set_VBR_mean_bitrate_kbps(gf, o.abrBitrate);
        lame_set_VBR_max_bitrate_kbps(gf, o.maxVbrBitrate);
        lame_set_VBR_hard_min(gf, o.enforceMinBitrate);
    }
    lame_set_bWriteVbrTag(gf, o.writeVbrHeader);
    lame_set_disable_reservoir(gf, !o.bitReservoir);
    lame_set_allow_diff_short(gf, o.allowDiffBlockTypes);
    lame_set_no_short_blocks(gf, !o.shortBlocks);
    // The list offers "none", 50/15 microseconds and CCITT J.17, which LAME numbers 0, 1 and 3.
    lame_set_emphasis(gf, o.deEmphasis == Mp3Options::kEmphasisCcittJ17 ? 3 : o.deEmphasis == 1 ? 1 : 0);
    lame_set_strict_ISO(gf, o.strictIso);
    lame_set_ATHonly(gf, o.athControl == Mp3Options::kAthOnly);
    lame_set_noATH(gf, o.athControl == Mp3Options::kAthDisabled);
    lame_set_ATHshort(gf, o.athControl == Mp3Options::kAthOnlyShortBlocks);
    if (o.lowpassFrequency >= 0) {
        lame_set_lowpassfreq(gf, o.lowpassFrequency);
        if (o.lowpassWidth > 0)
            lame_set_lowpasswidth(gf, o.lowpassWidth);
    }
    if (o.highpassFrequency >= 0) {
        lame_set_highpassfreq(gf, o.highpassFrequency);
        if (o.highpassWidth > 0)
            lame_set_highpasswidth(gf, o.highpassWidth);
    }
    lame_set_error_protection(gf, o.crc);
    lame_set_write_id3tag_automatic(gf, 0);
}

// Text as LAME's UTF-16 setters take it: byte order mark first, NUL-terminated.
std::vector<unsigned short> utf16Text(const QString& text) {
    std::vector<unsigned short> out{0xFEFF};
    for (const QChar c : text)
        out.push_back(c.unicode());
    out.push_back(0);
    return out;
}

bool isLatin1(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

// One ID3v2 text frame, in Latin-1 (which the ID3v1 tag can hold too) when the text allows.
void setId3Text(lame_t gf, const char* frame, const QString& text, void (*latin1)(lame_t, const char*)) {
    if (text.isEmpty())
        return;
    if (isLatin1(text))
        latin1(gf, text.toLatin1().constData());
    else
        id3tag_set_textinfo_utf16(gf, frame, utf16Text(text).data());
}

void setId3Tags(lame_t gf, const codec::AudioTags& tags) {
    id3tag_init(gf);
    id3tag_add_v2(gf);
    setId3Text(gf, "TIT2", tags.title, &id3tag_set_title);
    setId3Text(gf, "TPE1", tags.artist, &id3tag_set_artist);
    setId3Text(gf, "TALB", tags.album, &id3tag_set_album);
    // TYER holds the year alone, where a Vorbis DATE may hold a whole date.
    setId3Text(gf, "TYER", tags.year.left(4), &id3tag_set_year);
    setId3Text(gf, "TCON", tags.genre, [](lame_t g, const char* text) { id3tag_set_genre(g, text); });
    setId3Text(gf, "TRCK", tags.track, [](lame_t g, const char* text) { id3tag_set_track(g, text); });
    if (tags.comment.isEmpty())
        return;
    if (isLatin1(tags.comment))
        id3tag_set_comment(gf, tags.comment.toLatin1().constData());
    else
        id3tag_set_comment_utf16(gf, "eng", utf16Text({}).data(), utf16Text(tags.comment).data());
}

class LameEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, const codec::Mp3Format& format,
                                         const codec::AudioTags& tags, EncoderError& error) {
        std::unique_ptr<LameEncoder> encoder(new LameEncoder(format));
        if (!encoder->m_gf) {
            error = {EncoderError::Kind::System,
                     QCoreApplication::translate("LameEncoder", "the MP3 encoder cannot start")};
            return nullptr;
        }
        configure(encoder->m_gf, format);
        encoder->m_tagged = !tags.isEmpty();
        if (encoder->m_tagged)
            setId3Tags(encoder->m_gf, tags);
        if (lame_init_params(encoder->m_gf) < 0) {
            error = {EncoderError::Kind::System,
                     QCoreApplication::translate("LameEncoder", "the MP3 encoder refuses %1")
                         .arg(format.describe())};
            return nullptr;
        }
        error = encoder->m_out.open(path);
        if (!error.failed())
            error = encoder->writeId3v2();
        if (error.failed()) {
            encoder->m_out.discard();
            return nullptr;
        }
        return encoder;
    }

    ~LameEncoder() override {
        close();
        if (m_gf)
            lame_close(m_gf);
    }

    EncoderError write(const SampleBlock& block) override {
        if (!m_out.isOpen())
            return {};
        const int frames = static_cast<int>(block.size()) / m_channels;
        // LAME's documented worst case for one call.
        m_mp3.resize(static_cast<size_t>(frames) * 5 / 4 + 7200);
        const auto size = static_cast<int>(m_mp3.size());
        if (m_channels == 1)
            return appendOrStop(
                lame_encode_buffer(m_gf, block.data(), block.data(), frames, m_mp3.data(), size));
        // LAME only reads the interleaved samples; its prototype merely lacks the const.
        auto* pcm = const_cast<short*>(block.data());
        return appendOrStop(lame_encode_buffer_interleaved(m_gf, pcm, frames, m_mp3.data(), size));
    }

    EncoderError close() override {
        if (!m_out.isOpen())
            return {};
        m_mp3.resize(7200);
        const int n = lame_encode_flush(m_gf, m_mp3.data(), static_cast<int>(m_mp3.size()));
        EncoderError error = n < 0 ? encoderError(n) : m_out.append(m_mp3.data(), n);
        if (!error.failed() && m_tagged) {
            unsigned char v1[128];
            if (const size_t size = lame_get_id3v1_tag(m_gf, v1, sizeof v1); size > 0 && size <= sizeof v1)
                error = m_out.append(v1, static_cast<std::int64_t>(size));
        }
        if (!error.failed())
            error = writeVbrHeader();
        const EncoderError closed = m_out.close();
        return error.failed() ? error : closed;
    }

private:
    explicit LameEncoder(const codec::Mp3Format& format)
        : m_gf(lame_init())
        , m_channels(format.channels)
        , m_writeVbrHeader(format.options.writeVbrHeader) {}

    static EncoderError encoderError(int code) {
        return {EncoderError::Kind::System,
                QCoreApplication::translate("LameEncoder", "the MP3 encoder failed (%1)").arg(code)};
    }

    EncoderError appendOrStop(int n) {
        EncoderError error = n < 0 ? encoderError(n) : m_out.append(m_mp3.data(), n);
        // The placeholder header stays: it still plays, whereas a final header would count
        // frames that never reached the disk.
        if (error.failed())
            m_out.close();
        return error;
    }

    // The ID3v2 tag goes first, before any frame.
    EncoderError writeId3v2() {
        if (!m_tagged)
            return {};
        std::vector<unsigned char> tag(lame_get_id3v2_tag(m_gf, nullptr, 0));
        if (tag.empty() || lame_get_id3v2_tag(m_gf, tag.data(), tag.size()) != tag.size())
            return {};
        m_tagBytes = static_cast<std::int64_t>(tag.size());
        return m_out.append(tag.data(), m_tagBytes);
    }

    // LAME reserved the first frame for the header that counts frames and bytes.
    EncoderError writeVbrHeader() {
        if (!m_writeVbrHeader)
            return {};
        unsigned char frame[2880];
        const size_t size = lame_get_lametag_frame(m_gf, frame, sizeof frame);
        if (size == 0 || size > sizeof frame)
            return {};
        return m_out.writeAt(m_tagBytes, frame, static_cast<std::int64_t>(size));
    }

    lame_global_flags* m_gf;
    int m_channels;
    bool m_writeVbrHeader;
    bool m_tagged = false;
    std::int64_t m_tagBytes = 0;
    OutputFile m_out;
    std::vector<unsigned char> m_mp3;
};

} // namespace

std::unique_ptr<Encoder> openMp3Encoder(const QString& path, const codec::Mp3Format& format,
                                        const codec::AudioTags& tags, EncoderError& error) {
    return LameEncoder::open(path, format, tags, error);
}
