#include "record/audio/codec/SndfileEncoder.h"

#include "record/audio/codec/OutputFile.h"

#include <sndfile.h>

namespace {

// libsndfile over an OutputFile. The header is rewritten after every block so that a
// killed process leaves a readable file.
class SndfileEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, int sfFormat, int rate, int channels,
                                         EncoderError& error) {
        std::unique_ptr<SndfileEncoder> encoder(new SndfileEncoder(channels));
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
        // A partial frame at the end cannot be placed in the file.
        const auto frames = static_cast<sf_count_t>(block.size()) / m_channels;
        if (sf_writef_short(m_file, block.data(), frames) == frames)
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
        if (m_file && sf_close(m_file) != 0 && !m_ioError.failed())
            m_ioError = {EncoderError::Kind::System, QString::fromUtf8(sf_strerror(nullptr))};
        m_file = nullptr;
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
            return 0;
        }
        e.m_position += count;
        return count;
    }

    OutputFile m_out;
    int m_channels;
    SNDFILE* m_file = nullptr;
    sf_count_t m_position = 0;
    EncoderError m_ioError;
};

} // namespace

std::unique_ptr<Encoder> openWavEncoder(const QString& path, const codec::WavFormat& format,
                                        EncoderError& error) {
    const int subtype = format.bits == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16;
    return SndfileEncoder::open(path, SF_FORMAT_RF64 | subtype, format.rate, format.channels, error);
}
