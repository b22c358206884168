#include "record/audio/AudioFileCodec.h"

#include "record/audio/MonoMixer.h"
#include "record/audio/codec/Encoder.h"
#include "record/audio/codec/FileFormats.h"
#include "record/audio/codec/G726Encoder.h"
#include "record/audio/codec/SndfileEncoder.h"
#include "record/audio/codec/WavCodecs.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>

using namespace codec;

namespace {

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
    // Channels of the blocks Write gets, when not the open file's; 0 while they match.
    int inputChannels = 0;
    SampleBlock folded;
    WavFormatChooser wavChooser;
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
    d->wav = makeWavFormat(WavCodec::Pcm, rateOrDefault(sampleRate), channelsOrDefault(channels),
                           pcmBitsOrDefault(bits));
    d->lastSet = FileType::Wav;
}

void AudioFileCodec::SetWavAdpcm(int sampleRate, int channels) {
    d->wav = makeWavFormat(WavCodec::ImaAdpcm, sampleRate, channels);
    d->lastSet = FileType::Wav;
}

void AudioFileCodec::SetWavGsm(int sampleRate) {
    d->wav = makeWavFormat(WavCodec::Gsm610, sampleRate, 1);
    d->lastSet = FileType::Wav;
}

void AudioFileCodec::SetWavDsp() {
    d->wav = makeWavFormat(kDspCodec, kDspRate, 1);
    d->lastSet = FileType::Wav;
}

void AudioFileCodec::SetWavLikeFile(const QString& path) {
    d->wav = wavFormatLike(path);
    d->lastSet = FileType::Wav;
}

int AudioFileCodec::ChooseWavFormat() {
    if (!d->wavChooser)
        return -1;
    const std::optional<WavFormat> chosen = d->wavChooser(d->wav);
    if (!chosen)
        return -1;
    d->wav = makeWavFormat(chosen->codec, chosen->rate, chosen->channels, chosen->bits);
    d->lastSet = FileType::Wav;
    return 0;
}

void AudioFileCodec::setWavFormatChooser(WavFormatChooser chooser) {
    d->wavChooser = std::move(chooser);
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
    EncoderError error;
    switch (*type) {
    case FileType::Wav:
        if (!d->wav.refusal.isEmpty()) {
            d->fail(kFormatUnavailable, QStringLiteral("Cannot create %1: %2").arg(path, d->wav.refusal));
            return;
        }
        d->encoder = openWavEncoder(path, d->wav, error);
        break;
    case FileType::Vox:
        d->encoder = openVoxEncoder(path, d->vox, error);
        break;
    case FileType::Raw:
        d->encoder = openRawEncoder(path, d->raw, error);
        break;
    case FileType::G726:
        d->encoder = openG726Encoder(path, d->g726, error);
        break;
    default:
        d->fail(
            kFormatUnavailable,
            QStringLiteral("The %1 format is not available yet.").arg(QFileInfo(path).suffix().toUpper()));
        return;
    }
    if (!d->encoder) {
        d->fail(kCreateFailed, QStringLiteral("Cannot create %1: %2.").arg(path, error.reason));
        return;
    }
    d->lastSet = *type;
    const auto [rate, channels] = d->rateAndChannels(*type);
    d->openFile = Impl::OpenFile{d->describe(*type), rate, channels};
    d->inputChannels = 0;
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

void AudioFileCodec::SetInputFormat(int /*sampleRate*/, int channels) {
    d->inputChannels = channels == 1 || channels == 2 ? channels : 0;
}

void AudioFileCodec::Write(const SampleBlock& block) {
    if (!d->encoder || d->status != kOk || block.empty())
        return;
    const bool fold = d->inputChannels != 0 && d->openFile && d->inputChannels != d->openFile->channels;
    if (fold) {
        if (d->inputChannels == 2) {
            MonoMixer().mixInto(block, d->folded);
        } else {
            d->folded.resize(block.size() * 2);
            for (std::size_t i = 0; i < block.size(); ++i)
                d->folded[2 * i] = d->folded[2 * i + 1] = block[i];
        }
    }
    const EncoderError error = d->encoder->write(fold ? d->folded : block);
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
