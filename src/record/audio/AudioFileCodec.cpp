#include "record/audio/AudioFileCodec.h"

#include "record/audio/Encoder.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sndfile.h>
#include <unistd.h>

namespace {

constexpr int kDefaultRate = 44100;
constexpr int kDefaultChannels = 2;
constexpr int kDefaultBits = 16;

int rateOrDefault(int rate) {
    return rate >= 6000 && rate <= 48000 ? rate : kDefaultRate;
}

int channelsOrDefault(int channels) {
    return channels == 1 || channels == 2 ? channels : kDefaultChannels;
}

int pcmBitsOrDefault(int bits) {
    return bits == 8 || bits == 16 ? bits : kDefaultBits;
}

int mpegRateOrDefault(int rate) {
    constexpr std::array kRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    return std::ranges::find(kRates, rate) != kRates.end() ? rate : kDefaultRate;
}

int mpegKbpsOrDefault(int kbps) {
    constexpr std::array kRates{8,  16,  24,  32,  40,  48,  56,  64,  80,
                                96, 112, 128, 144, 160, 192, 224, 256, 320};
    return std::ranges::find(kRates, kbps) != kRates.end() ? kbps : 128;
}

QString channelsText(int channels) {
    return channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo");
}

enum class FileType { Wav, Mp3, Vox, Raw, G726, Ogg };

std::optional<FileType> fileTypeFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wav"))
        return FileType::Wav;
    if (suffix == QLatin1String("mp3"))
        return FileType::Mp3;
    if (suffix == QLatin1String("vox"))
        return FileType::Vox;
    if (suffix == QLatin1String("raw"))
        return FileType::Raw;
    if (suffix == QLatin1String("g726"))
        return FileType::G726;
    if (suffix == QLatin1String("ogg"))
        return FileType::Ogg;
    return std::nullopt;
}

struct WavFormat {
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int bits = kDefaultBits;

    QString describe() const {
        return QStringLiteral("WAV PCM %1 Hz %2-bit %3").arg(rate).arg(bits).arg(channelsText(channels));
    }
};

struct Mp3Format {
    int rate = kDefaultRate;
    int kbps = 128;
    int channels = kDefaultChannels;

    QString describe() const {
        return QStringLiteral("MP3 %1 Hz %2 kbit/s %3").arg(rate).arg(kbps).arg(channelsText(channels));
    }
};

struct VoxFormat {
    int rate = kDefaultRate;

    QString describe() const { return QStringLiteral("VOX %1 Hz mono").arg(rate); }
};

struct RawFormat {
    enum Coding { Pcm16 = 1, ALaw = 2, MuLaw = 3 };
    int coding = Pcm16;
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int bits = kDefaultBits;

    QString describe() const {
        switch (coding) {
        case ALaw:
            return QStringLiteral("RAW A-Law %1 Hz %2").arg(rate).arg(channelsText(channels));
        case MuLaw:
            return QStringLiteral("RAW \u00b5-Law %1 Hz %2").arg(rate).arg(channelsText(channels));
        default:
            return QStringLiteral("RAW PCM %1 Hz %2-bit %3").arg(rate).arg(bits).arg(channelsText(channels));
        }
    }
};

struct G726Format {
    int rate = kDefaultRate;
    int bits = 4;

    QString describe() const { return QStringLiteral("G.726 %1 Hz %2 bits").arg(rate).arg(bits); }
};

struct OggFormat {
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int nominalKbps = 128;
    int minKbps = 0;
    int maxKbps = 0;
    // -1: bit rate managed instead of a quality level.
    int quality = -1;

    QString describe() const {
        const QString head = QStringLiteral("Ogg Vorbis %1 Hz %2, ").arg(rate).arg(channelsText(channels));
        if (quality >= 0)
            return head + QStringLiteral("quality %1").arg(static_cast<double>(quality), 0, 'f', 2);
        QString text = head + QStringLiteral("%1 kbit/s").arg(nominalKbps);
        if (minKbps > 0)
            text += QStringLiteral(" (%1-%2 kbit/s VBR)").arg(minKbps).arg(maxKbps);
        return text;
    }
};

EncoderError systemError(int code) {
    EncoderError error;
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        error.kind = EncoderError::Kind::NoSpace;
        break;
    case EFBIG:
        error.kind = EncoderError::Kind::TooLarge;
        break;
    default:
        error.kind = EncoderError::Kind::System;
    }
    error.reason = qt_error_string(code);
    return error;
}

// WAV through libsndfile. Written as RF64 that stays a plain WAV below 4 GiB, with the
// header rewritten after every block so that a killed process leaves a readable file.
// The file is reached through our own descriptor so that a failed write keeps its errno.
class WavEncoder final : public Encoder {
public:
    static std::unique_ptr<Encoder> open(const QString& path, const WavFormat& format, EncoderError& error) {
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = systemError(errno);
            return nullptr;
        }
        std::unique_ptr<WavEncoder> encoder(new WavEncoder(fd, format.channels));
        SF_VIRTUAL_IO io{&WavEncoder::ioLength, &WavEncoder::ioSeek, &WavEncoder::ioRead,
                         &WavEncoder::ioWrite, &WavEncoder::ioTell};
        SF_INFO info{};
        info.samplerate = format.rate;
        info.channels = format.channels;
        info.format = SF_FORMAT_RF64 | (format.bits == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
        encoder->m_file = sf_open_virtual(&io, SFM_WRITE, &info, encoder.get());
        if (!encoder->m_file) {
            error = encoder->m_ioError.failed()
                        ? encoder->m_ioError
                        : EncoderError{EncoderError::Kind::System, QString::fromUtf8(sf_strerror(nullptr))};
            encoder.reset();
            ::unlink(QFile::encodeName(path).constData());
            return nullptr;
        }
        // Both must be set before the first sample.
        sf_command(encoder->m_file, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
        sf_command(encoder->m_file, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
        return encoder;
    }

    ~WavEncoder() override { close(); }

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
        if (m_fd < 0)
            return {};
        m_ioError = {};
        if (m_file && sf_close(m_file) != 0 && !m_ioError.failed())
            m_ioError = {EncoderError::Kind::System, QString::fromUtf8(sf_strerror(nullptr))};
        m_file = nullptr;
        if (::close(m_fd) != 0 && !m_ioError.failed())
            m_ioError = systemError(errno);
        m_fd = -1;
        return m_ioError;
    }

private:
    WavEncoder(int fd, int channels)
        : m_fd(fd)
        , m_channels(channels) {}

    static WavEncoder& self(void* user) { return *static_cast<WavEncoder*>(user); }

    static sf_count_t ioLength(void* user) { return self(user).m_length; }

    static sf_count_t ioTell(void* user) { return self(user).m_position; }

    static sf_count_t ioSeek(sf_count_t offset, int whence, void* user) {
        WavEncoder& e = self(user);
        const sf_count_t base = whence == SEEK_CUR ? e.m_position : whence == SEEK_END ? e.m_length : 0;
        e.m_position = base + offset;
        return e.m_position;
    }

    static sf_count_t ioRead(void* data, sf_count_t count, void* user) {
        WavEncoder& e = self(user);
        const ssize_t n = ::pread(e.m_fd, data, static_cast<size_t>(count), e.m_position);
        if (n <= 0)
            return 0;
        e.m_position += n;
        return n;
    }

    static sf_count_t ioWrite(const void* data, sf_count_t count, void* user) {
        WavEncoder& e = self(user);
        const auto* bytes = static_cast<const char*>(data);
        sf_count_t done = 0;
        while (done < count) {
            const ssize_t n =
                ::pwrite(e.m_fd, bytes + done, static_cast<size_t>(count - done), e.m_position + done);
            if (n > 0) {
                done += n;
            } else if (n == 0 || errno != EINTR) {
                e.m_ioError = systemError(n == 0 ? ENOSPC : errno);
                // Take back what this call appended, so that the data ends on a whole frame.
                if (e.m_position + done > e.m_length &&
                    ::ftruncate(e.m_fd, std::max(e.m_position, e.m_length)) != 0)
                    return done;
                return 0;
            }
        }
        e.m_position += done;
        e.m_length = std::max(e.m_length, e.m_position);
        return done;
    }

    int m_fd;
    int m_channels;
    SNDFILE* m_file = nullptr;
    sf_count_t m_position = 0;
    sf_count_t m_length = 0;
    EncoderError m_ioError;
};

} // namespace

struct AudioFileCodec::Impl {
    WavFormat wav;
    Mp3Format mp3;
    VoxFormat vox;
    RawFormat raw;
    G726Format g726;
    OggFormat ogg;
    FileType lastSet = FileType::Wav;

    // What the open file holds, whatever is set meanwhile for the next one.
    struct OpenFile {
        QString description;
        int rate;
        int channels;
    };
    std::optional<OpenFile> openFile;

    std::unique_ptr<Encoder> encoder;
    int status = kOk;
    QString errorText;

    void fail(int code, const QString& text) {
        status = code;
        errorText = text;
    }

    void failWrite(const EncoderError& error) {
        const QString kept = QStringLiteral(" Recording stopped; the file holds everything written before.");
        switch (error.kind) {
        case EncoderError::Kind::NoSpace:
            fail(kDiskFull, QStringLiteral("The disk is full (%1).").arg(error.reason) + kept);
            break;
        case EncoderError::Kind::TooLarge:
            // No room for this file either, though the disk may have some.
            fail(
                kDiskFull,
                QStringLiteral("The file has reached the largest size allowed here (%1).").arg(error.reason) +
                    kept);
            break;
        default:
            fail(kWriteFailed, QStringLiteral("Cannot write the file: %1.").arg(error.reason) + kept);
        }
    }

    QString describe(FileType type) const {
        switch (type) {
        case FileType::Wav:
            return wav.describe();
        case FileType::Mp3:
            return mp3.describe();
        case FileType::Vox:
            return vox.describe();
        case FileType::Raw:
            return raw.describe();
        case FileType::G726:
            return g726.describe();
        case FileType::Ogg:
            return ogg.describe();
        }
        return {};
    }

    std::pair<int, int> rateAndChannels(FileType type) const {
        switch (type) {
        case FileType::Wav:
            return {wav.rate, wav.channels};
        case FileType::Mp3:
            return {mp3.rate, mp3.channels};
        case FileType::Vox:
            return {vox.rate, 1};
        case FileType::Raw:
            return {raw.rate, raw.channels};
        case FileType::G726:
            return {g726.rate, 1};
        case FileType::Ogg:
            return {ogg.rate, ogg.channels};
        }
        return {kDefaultRate, kDefaultChannels};
    }
};

AudioFileCodec::AudioFileCodec()
    : d(std::make_unique<Impl>()) {}

AudioFileCodec::~AudioFileCodec() = default;

void AudioFileCodec::SetWavFormat(int sampleRate, int channels, int bits) {
    d->wav = {rateOrDefault(sampleRate), channelsOrDefault(channels), pcmBitsOrDefault(bits)};
    d->lastSet = FileType::Wav;
}

void AudioFileCodec::SetMp3Format(int sampleRate, int kbps, int channels) {
    d->mp3 = {mpegRateOrDefault(sampleRate), mpegKbpsOrDefault(kbps), channelsOrDefault(channels)};
    d->lastSet = FileType::Mp3;
}

void AudioFileCodec::SetVoxFormat(int sampleRate) {
    d->vox = {rateOrDefault(sampleRate)};
    d->lastSet = FileType::Vox;
}

void AudioFileCodec::SetRawFormat(int coding, int sampleRate, int channels, int bits) {
    RawFormat& raw = d->raw;
    raw.coding = coding >= RawFormat::Pcm16 && coding <= RawFormat::MuLaw ? coding : RawFormat::Pcm16;
    raw.rate = rateOrDefault(sampleRate);
    raw.channels = channelsOrDefault(channels);
    // Companded samples are always 8 bits wide.
    raw.bits = raw.coding == RawFormat::Pcm16 ? pcmBitsOrDefault(bits) : 8;
    d->lastSet = FileType::Raw;
}

void AudioFileCodec::SetG726Format(int sampleRate, int bitsPerSample) {
    d->g726 = {rateOrDefault(sampleRate), bitsPerSample >= 2 && bitsPerSample <= 5 ? bitsPerSample : 4};
    d->lastSet = FileType::G726;
}

void AudioFileCodec::SetOggFormat(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps,
                                  int quality) {
    OggFormat& ogg = d->ogg;
    ogg.rate = rateOrDefault(sampleRate);
    ogg.channels = channelsOrDefault(channels);
    ogg.quality = quality >= 0 && quality <= 10 ? quality : -1;
    ogg.nominalKbps = nominalKbps >= 32 && nominalKbps <= 500 ? nominalKbps : 128;
    // Limits only make sense as a pair around the nominal rate.
    const bool limits =
        minKbps > 0 && minKbps <= ogg.nominalKbps && maxKbps >= ogg.nominalKbps && maxKbps <= 500;
    ogg.minKbps = limits ? minKbps : 0;
    ogg.maxKbps = limits ? maxKbps : 0;
    d->lastSet = FileType::Ogg;
}

QString AudioFileCodec::FormatDescription() const {
    return d->openFile ? d->openFile->description : d->describe(d->lastSet);
}

void AudioFileCodec::Create(const QString& path, int mode) {
    Close();
    d->status = kOk;
    d->errorText.clear();
    if (mode != 0) {
        d->fail(kCreateFailed, QStringLiteral("Cannot create %1: unknown open mode %2.").arg(path).arg(mode));
        return;
    }
    const std::optional<FileType> type = fileTypeFor(path);
    if (!type) {
        d->fail(kFormatUnavailable,
                QStringLiteral("Unknown file type \"%1\": use WAV, MP3, VOX, RAW, G726 or OGG.")
                    .arg(QFileInfo(path).suffix()));
        return;
    }
    if (*type != FileType::Wav) {
        d->fail(
            kFormatUnavailable,
            QStringLiteral("The %1 format is not available yet.").arg(QFileInfo(path).suffix().toUpper()));
        return;
    }
    EncoderError error;
    d->encoder = WavEncoder::open(path, d->wav, error);
    if (!d->encoder) {
        d->fail(kCreateFailed, QStringLiteral("Cannot create %1: %2.").arg(path, error.reason));
        return;
    }
    d->lastSet = *type;
    d->openFile = Impl::OpenFile{d->wav.describe(), d->wav.rate, d->wav.channels};
}

int AudioFileCodec::Status() const {
    return d->status;
}

int AudioFileCodec::SampleRate() const {
    return d->openFile ? d->openFile->rate : d->rateAndChannels(d->lastSet).first;
}

int AudioFileCodec::Channels() const {
    return d->openFile ? d->openFile->channels : d->rateAndChannels(d->lastSet).second;
}

void AudioFileCodec::Write(const SampleBlock& block) {
    if (!d->encoder || d->status != kOk || block.empty())
        return;
    const EncoderError error = d->encoder->write(block);
    if (error.failed()) {
        d->encoder.reset();
        d->openFile.reset();
        d->failWrite(error);
    }
}

void AudioFileCodec::Close() {
    if (!d->encoder)
        return;
    const EncoderError error = d->encoder->close();
    d->encoder.reset();
    d->openFile.reset();
    if (error.failed() && d->status == kOk)
        d->failWrite(error);
}

QString AudioFileCodec::ErrorText() const {
    return d->errorText;
}
