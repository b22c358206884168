#include "engine/codec/G726Encoder.h"

#include "engine/codec/OutputFile.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>
#include <spandsp/telephony.h>
// telephony.h first: g726.h relies on its declarations.
#include <spandsp/g726.h>
#include <vector>

namespace {

class G726Encoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, const codec::G726Format& format,
                                         EncoderError& error) {
        std::unique_ptr<G726Encoder> encoder(new G726Encoder(format.bits));
        // The code size fixes the bit rate at 8000 samples a second; other sample rates
        // just run the same codes faster or slower.
        encoder->m_state = g726_init(nullptr, format.bits * 8000, G726_ENCODING_LINEAR, G726_PACKING_RIGHT);
        if (!encoder->m_state) {
            error = {EncoderError::Kind::System,
                     QCoreApplication::translate("G726Encoder", "the G.726 encoder did not start")};
            return nullptr;
        }
        error = encoder->m_out.open(path);
        if (error.failed())
            return nullptr;
        return encoder;
    }

    ~G726Encoder() override {
        close();
        if (m_state)
            g726_free(m_state);
    }

    EncoderError write(const SampleBlock& block) override {
        if (!m_out.isOpen() || block.empty())
            return {};
        return encode(block.data(), block.size());
    }

    EncoderError close() override {
        if (!m_out.isOpen())
            return {};
        // Silence up to the next byte boundary, so that the last codes reach the file.
        static constexpr std::array<std::int16_t, 8> kSilence{};
        std::size_t pad = 0;
        while ((m_samples + pad) * static_cast<std::size_t>(m_bits) % 8 != 0)
            ++pad;
        EncoderError error = pad ? encode(kSilence.data(), pad) : EncoderError{};
        const EncoderError closed = m_out.close();
        return error.failed() ? error : closed;
    }

private:
    explicit G726Encoder(int bits)
        : m_bits(bits) {}

    EncoderError encode(const std::int16_t* samples, std::size_t count) {
        // Up to one byte of codes left over from the previous call comes out now.
        m_codes.resize(count * static_cast<std::size_t>(m_bits) / 8 + 2);
        const int bytes = g726_encode(m_state, m_codes.data(), samples, static_cast<int>(count));
        m_samples += count;
        // Straight to the file: a killed recorder loses at most the codes of one byte.
        const EncoderError error = m_out.append(m_codes.data(), bytes);
        if (error.failed())
            m_out.close();
        return error;
    }

    OutputFile m_out;
    int m_bits;
    g726_state_t* m_state = nullptr;
    std::vector<std::uint8_t> m_codes;
    std::size_t m_samples = 0;
};

} // namespace

std::unique_ptr<Encoder> openG726Encoder(const QString& path, const codec::G726Format& format,
                                         EncoderError& error) {
    return G726Encoder::open(path, format, error);
}
