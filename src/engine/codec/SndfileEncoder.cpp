#include "engine/codec/SndfileEncoder.h"

#include "engine/codec/OutputFile.h"
#include "engine/codec/PcmWavEncoder.h"
#include "engine/codec/WavCodecs.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <sndfile.h>

namespace {

// After a lost write the block codecs still count the lost block in the fact chunk,
// while the data chunk ends where the file does; recount the frames from the data.
void recountFactChunk(OutputFile& out) {
    std::int64_t at = 12;
    std::int64_t factAt = -1;
    quint32 blockAlign = 0;
    quint32 framesPerBlock = 0;
    char head[8];
    while (out.readAt(at, head, 8) == 8) {
        const auto size = qFromLittleEndian<quint32>(head + 4);
        if (std::memcmp(head, "fmt ", 4) == 0 && size >= 20) {
            char fmt[20];
            if (out.readAt(at + 8, fmt, 20) != 20)
                return;
            blockAlign = qFromLittleEndian<quint16>(fmt + 12);
            framesPerBlock = qFromLittleEndian<quint16>(fmt + 18);
        } else if (std::memcmp(head, "fact", 4) == 0) {
            factAt = at + 8;
        } else if (std::memcmp(head, "data", 4) == 0) {
            if (factAt < 0 || blockAlign == 0)
                return;
            char frames[4];
            qToLittleEndian<quint32>(size / blockAlign * framesPerBlock, frames);
            out.writeAt(factAt, frames, 4);
            return;
        }
        at += 8 + size + (size & 1);
    }
}

// libsndfile over an OutputFile. The header is rewritten after every block so that a
// killed process leaves a readable file.
class SndfileEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, int sfFormat, int rate, int channels,
                                         EncoderError& error) {
        std::unique_ptr<SndfileEncoder> encoder(new SndfileEncoder(channels));
        const int subtype = sfFormat & SF_FORMAT_SUBMASK;
        encoder->m_pairs = subtype == SF_FORMAT_VOX_ADPCM;
        encoder->m_blockCodec =
            subtype == SF_FORMAT_IMA_ADPCM || subtype == SF_FORMAT_MS_ADPCM || subtype == SF_FORMAT_GSM610;
        error = encoder->m_out.open(path);
        if (error.failed())
            return nullptr;
        SF_VIRTUAL_IO io{&SndfileEncoder::ioLength, &SndfileEncoder::ioSeek, &SndfileEncoder::ioRead,
                         &SndfileEncoder::ioWrite, &SndfileEncoder::ioTell};
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = sfFormat;
        encoder->m_file = sf_open_virtual(&io, SFM_WRITE, &info, encoder.get());
        if (!encoder->m_file) {
            error = encoder->m_ioError.failed()
                        ? encoder->m_ioError
                        : EncoderError{EncoderError::Kind::System, QString::fromUtf8(sf_strerror(nullptr))};
            encoder->m_out.discard();
            return nullptr;
        }
        // Both must be set before the first sample.
        if ((sfFormat & SF_FORMAT_TYPEMASK) == SF_FORMAT_RF64)
            sf_command(encoder->m_file, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
        sf_command(encoder->m_file, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
        return encoder;
    }

    ~SndfileEncoder() override { close(); }

    EncoderError write(const SampleBlock& block) override {
        if (!m_file)
            return {};
        const std::int16_t* data = block.data();
        // A partial frame at the end cannot be placed in the file.
        auto frames = static_cast<sf_count_t>(block.size()) / m_channels;
        if (m_pairs) {
            // VOX codes two samples to a byte and pads an odd count in every call, which
            // would slip a sample in between blocks; an odd last sample waits instead.
            m_pending.insert(m_pending.end(), block.begin(), block.end());
            frames = static_cast<sf_count_t>(m_pending.size()) & ~sf_count_t{1};
            data = m_pending.data();
        }
        const sf_count_t written = sf_writef_short(m_file, data, frames);
        if (m_pairs)
            m_pending.erase(m_pending.begin(), m_pending.begin() + frames);
        // The block codecs count a short write as done; only the I/O error tells.
        if (written == frames && !m_ioError.failed())
            return {};
        EncoderError error = m_ioError.failed() ? m_ioError
                                                : EncoderError{EncoderError::Kind::System,
                                                               QString::fromUtf8(sf_strerror(m_file))};
        close();
        return error;
    }

    EncoderError close() override {
        if (!m_out.isOpen())
            return {};
        m_ioError = {};
        if (m_file && !m_pending.empty())
            sf_writef_short(m_file, m_pending.data(), 1);
        if (m_file && sf_close(m_file) != 0 && !m_ioError.failed())
            m_ioError = {EncoderError::Kind::System, QString::fromUtf8(sf_strerror(nullptr))};
        m_file = nullptr;
        if (m_lostWrite && m_blockCodec)
            recountFactChunk(m_out);
        const EncoderError closed = m_out.close();
        if (!m_ioError.failed())
            m_ioError = closed;
        return m_ioError;
    }

private:
    explicit SndfileEncoder(int channels)
        : m_channels(channels) {}

    static SndfileEncoder& self(void* user) { return *static_cast<SndfileEncoder*>(user); }

    static sf_count_t ioLength(void* user) { return self(user).m_out.length(); }

    static sf_count_t ioTell(void* user) { return self(user).m_position; }

    static sf_count_t ioSeek(sf_count_t offset, int whence, void* user) {
        SndfileEncoder& e = self(user);
        const sf_count_t base = whence == SEEK_CUR ? e.m_position : whence == SEEK_END ? e.m_out.length() : 0;
        e.m_position = base + offset;
        return e.m_position;
    }

    static sf_count_t ioRead(void* data, sf_count_t count, void* user) {
        SndfileEncoder& e = self(user);
        const sf_count_t n = e.m_out.readAt(e.m_position, data, count);
        e.m_position += n;
        return n;
    }

    static sf_count_t ioWrite(const void* data, sf_count_t count, void* user) {
        SndfileEncoder& e = self(user);
        const EncoderError error = e.m_out.writeAt(e.m_position, data, count);
        if (error.failed()) {
            e.m_ioError = error;
            e.m_lostWrite = true;
            return 0;
        }
        e.m_position += count;
        return count;
    }

    OutputFile m_out;
    int m_channels;
    bool m_pairs = false;
    bool m_blockCodec = false;
    bool m_lostWrite = false;
    SampleBlock m_pending;
    SNDFILE* m_file = nullptr;
    sf_count_t m_position = 0;
    EncoderError m_ioError;
};

} // namespace

std::unique_ptr<Encoder> openWavEncoder(const QString& path, const codec::WavFormat& format,
                                        EncoderError& error) {
    using codec::WavCodec;
    // The G.711 laws switch to RF64 past 4 GiB, at the price of an extensible fmt chunk; the
    // block codecs stay plain WAV, which takes many hours of audio to fill at their rates.
    int sfFormat = SF_FORMAT_RF64;
    switch (format.codec) {
    case WavCodec::Pcm:
        return openPcmWavEncoder(path, format, error);
    case WavCodec::ALaw:
        sfFormat |= SF_FORMAT_ALAW;
        break;
    case WavCodec::MuLaw:
        sfFormat |= SF_FORMAT_ULAW;
        break;
    case WavCodec::ImaAdpcm:
        sfFormat = SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM;
        break;
    case WavCodec::MsAdpcm:
        sfFormat = SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
        break;
    case WavCodec::Gsm610:
        sfFormat = SF_FORMAT_WAV | SF_FORMAT_GSM610;
        break;
    }
    return SndfileEncoder::open(path, sfFormat, format.rate, format.channels, error);
}

std::unique_ptr<Encoder> openVoxEncoder(const QString& path, const codec::VoxFormat& format,
                                        EncoderError& error) {
    return SndfileEncoder::open(path, SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, format.rate, 1, error);
}

std::unique_ptr<Encoder> openRawEncoder(const QString& path, const codec::RawFormat& format,
                                        EncoderError& error) {
    int subtype = format.bits == 8 ? SF_FORMAT_PCM_S8 : SF_FORMAT_PCM_16;
    if (format.coding == codec::RawFormat::ALaw)
        subtype = SF_FORMAT_ALAW;
    else if (format.coding == codec::RawFormat::MuLaw)
        subtype = SF_FORMAT_ULAW;
    return SndfileEncoder::open(path, SF_FORMAT_RAW | SF_ENDIAN_LITTLE | subtype, format.rate,
                                format.channels, error);
}

codec::WavFormat wavFormatLike(const QString& path) {
    using codec::WavCodec;
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        codec::WavFormat refused;
        refused.refusal = QCoreApplication::translate("SndfileEncoder", "Cannot take the format of %1: %2.")
                              .arg(path, QString::fromUtf8(sf_strerror(nullptr)));
        return refused;
    }
    sf_close(file);
    WavCodec codec = WavCodec::Pcm;
    int bits = 16;
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
        bits = 8;
        break;
    case SF_FORMAT_IMA_ADPCM:
        codec = WavCodec::ImaAdpcm;
        break;
    case SF_FORMAT_MS_ADPCM:
        codec = WavCodec::MsAdpcm;
        break;
    case SF_FORMAT_GSM610:
        codec = WavCodec::Gsm610;
        break;
    case SF_FORMAT_ALAW:
        codec = WavCodec::ALaw;
        break;
    case SF_FORMAT_ULAW:
        codec = WavCodec::MuLaw;
        break;
    default:
        break;
    }
    // Capture runs at any rate in this range; beyond it take the nearest one we record.
    const int rate = std::clamp(info.samplerate, 6000, 48000);
    const int channels = std::min(info.channels, 2);
    codec::WavFormat format = codec::makeWavFormat(codec, rate, channels, bits);
    if (!format.refusal.isEmpty())
        format = codec::makeWavFormat(WavCodec::Pcm, rate, channels);
    return format;
}
