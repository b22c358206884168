#include "engine/codec/PcmWavEncoder.h"

#include "engine/codec/OutputFile.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// RIFF header, JUNK or ds64 chunk (28 bytes, no table), fmt chunk (16 bytes), data chunk header.
constexpr int kDs64Bytes = 28;
constexpr int kHeaderBytes = 12 + 8 + kDs64Bytes + 8 + 16 + 8;
constexpr std::uint32_t kSizeInDs64 = std::numeric_limits<std::uint32_t>::max();

class PcmWavEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, const codec::WavFormat& format,
                                         EncoderError& error) {
        std::unique_ptr<PcmWavEncoder> encoder(new PcmWavEncoder(format));
        error = encoder->m_out.open(path);
        if (error.failed())
            return nullptr;
        // A file killed before its first block still reads as empty audio.
        error = encoder->writeHeader();
        if (error.failed()) {
            encoder->m_out.discard();
            return nullptr;
        }
        return encoder;
    }

    ~PcmWavEncoder() override { close(); }

    EncoderError write(const SampleBlock& block) override {
        if (!m_out.isOpen())
            return {};
        // A partial frame at the end cannot be placed in the file.
        const std::size_t samples = block.size() / m_channels * m_channels;
        m_bytes.resize(samples * m_sampleBytes);
        if (m_sampleBytes == 1)
            std::transform(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(samples),
                           m_bytes.begin(),
                           [](std::int16_t value) { return static_cast<unsigned char>((value >> 8) + 128); });
        else
            qToLittleEndian<std::int16_t>(block.data(), static_cast<qsizetype>(samples), m_bytes.data());
        // A failed append leaves the file at its old end, which the header already describes.
        EncoderError error = m_out.append(m_bytes.data(), static_cast<std::int64_t>(m_bytes.size()));
        if (!error.failed()) {
            m_dataBytes += static_cast<std::int64_t>(m_bytes.size());
            error = writeHeader();
        }
        if (error.failed())
            m_out.close();
        return error;
    }

    EncoderError close() override {
        if (!m_out.isOpen())
            return {};
        // RIFF pads an odd chunk to an even length; a file without room for the pad still reads whole.
        EncoderError error;
        static constexpr char kPad = 0;
        if (m_dataBytes % 2 != 0 && !m_out.append(&kPad, 1).failed())
            error = writeHeader();
        const EncoderError closed = m_out.close();
        return error.failed() ? error : closed;
    }

private:
    explicit PcmWavEncoder(const codec::WavFormat& format)
        : m_channels(static_cast<std::size_t>(format.channels))
        , m_sampleBytes(format.bits == 8 ? 1 : 2)
        , m_rate(static_cast<std::uint32_t>(format.rate)) {}

    // Plain RIFF while its 32-bit sizes hold the file, RF64 with the sizes in ds64 beyond.
    EncoderError writeHeader() {
        const std::int64_t riffBytes = m_out.length() - 8;
        const bool rf64 = riffBytes > std::int64_t{kSizeInDs64};
        const auto frameBytes = static_cast<std::uint16_t>(m_channels * m_sampleBytes);
        std::array<char, kHeaderBytes> bytes{};
        char* at = bytes.data();
        auto id = [&](const char* fourCc) {
            std::memcpy(at, fourCc, 4);
            at += 4;
        };
        auto number = [&](auto value) {
            qToLittleEndian(value, at);
            at += sizeof(value);
        };
        id(rf64 ? "RF64" : "RIFF");
        number(rf64 ? kSizeInDs64 : static_cast<std::uint32_t>(riffBytes));
        id("WAVE");
        id(rf64 ? "ds64" : "JUNK");
        number(std::uint32_t{kDs64Bytes});
        if (rf64) {
            number(static_cast<std::uint64_t>(riffBytes));
            number(static_cast<std::uint64_t>(m_dataBytes));
            number(static_cast<std::uint64_t>(m_dataBytes / frameBytes));
            number(std::uint32_t{0});
        } else {
            at += kDs64Bytes;
        }
        id("fmt ");
        number(std::uint32_t{16});
        number(std::uint16_t{1});
        number(static_cast<std::uint16_t>(m_channels));
        number(m_rate);
        number(m_rate * frameBytes);
        number(frameBytes);
        number(static_cast<std::uint16_t>(m_sampleBytes * 8));
        id("data");
        number(rf64 ? kSizeInDs64 : static_cast<std::uint32_t>(m_dataBytes));
        return m_out.writeAt(0, bytes.data(), kHeaderBytes);
    }

    OutputFile m_out;
    std::size_t m_channels;
    std::size_t m_sampleBytes;
    std::uint32_t m_rate;
    std::int64_t m_dataBytes = 0;
    std::vector<unsigned char> m_bytes;
};

} // namespace

std::unique_ptr<Encoder> openPcmWavEncoder(const QString& path, const codec::WavFormat& format,
                                           EncoderError& error) {
    return PcmWavEncoder::open(path, format, error);
}
