#include "engine/codec/AudioFileWriter.h"

#include "engine/codec/Encoder.h"
#include "engine/codec/FfmpegResampler.h"
#include "engine/codec/FfmpegWmaEncoder.h"
#include "engine/codec/FileFormats.h"
#include "engine/codec/G726Encoder.h"
#include "engine/codec/LameEncoder.h"
#include "engine/codec/SndfileEncoder.h"
#include "engine/codec/VorbisEncoder.h"
#include "engine/codec/WavCodecs.h"
#include "engine/codec/WmaProfiles.h"

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

} // namespace

struct AudioFileWriter::Impl {
    WavFormat wav;
    Mp3Format mp3;
    VoxFormat vox;
    RawFormat raw;
    G726Format g726;
    OggFormat ogg;
    WmaFormat wma = *wmaProfile(24);
    FileType lastSet = FileType::Wav;
    AudioTags tags;

    // What the open file holds, whatever is set meanwhile for the next one.
    struct OpenFile {
        QString description;
        int rate;
        int channels;
    };
    std::optional<OpenFile> openFile;

    std::unique_ptr<Encoder> encoder;
    std::unique_ptr<Resampler> resampler;
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
        case FileType::Wma:
            return wma.describe();
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
        case FileType::Wma:
            return {wma.rate, wma.channels};
        }
        return {kDefaultRate, kDefaultChannels};
    }
};

AudioFileWriter::AudioFileWriter()
    : d(std::make_unique<Impl>()) {}

AudioFileWriter::~AudioFileWriter() = default;

void AudioFileWriter::setWavFormat(int sampleRate, int channels, int bits) {
    d->wav = makeWavFormat(WavCodec::Pcm, rateOrDefault(sampleRate), channelsOrDefault(channels),
                           pcmBitsOrDefault(bits));
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavFormat(const WavFormat& format) {
    d->wav = makeWavFormat(format.codec, format.rate, format.channels, format.bits);
    d->lastSet = FileType::Wav;
}

const WavFormat& AudioFileWriter::wavFormat() const {
    return d->wav;
}

void AudioFileWriter::setWavAdpcm(int sampleRate, int channels) {
    d->wav = makeWavFormat(WavCodec::ImaAdpcm, sampleRate, channels);
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavGsm(int sampleRate) {
    d->wav = makeWavFormat(WavCodec::Gsm610, sampleRate, 1);
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavTelephone() {
    d->wav = makeWavFormat(kDspCodec, kDspRate, 1);
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavLikeFile(const QString& path) {
    d->wav = wavFormatLike(path);
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setMp3Format(int sampleRate, int kbps, int channels) {
    Mp3Format& mp3 = d->mp3;
    mp3.rate = mpegRateOrDefault(sampleRate);
    mp3.kbps = mpegKbpsOrDefault(kbps);
    mp3.channels = channelsOrDefault(channels);
    d->lastSet = FileType::Mp3;
}

void AudioFileWriter::setMp3Options(const Mp3Options& options) {
    Mp3Format& mp3 = d->mp3;
    mp3.options = options;
    if (options.sampleRate() > 0)
        mp3.rate = mpegRateOrDefault(options.sampleRate());
    if (options.bitrate() > 0)
        mp3.kbps = mpegKbpsOrDefault(options.bitrate());
    d->lastSet = FileType::Mp3;
}

void AudioFileWriter::setWmaProfile(int profile) {
    if (const std::optional<WmaFormat> format = wmaProfile(profile))
        d->wma = *format;
    d->lastSet = FileType::Wma;
}

void AudioFileWriter::setVoxFormat(int sampleRate) {
    d->vox = {rateOrDefault(sampleRate)};
    d->lastSet = FileType::Vox;
}

void AudioFileWriter::setRawFormat(int coding, int sampleRate, int channels, int bits) {
    RawFormat& raw = d->raw;
    raw.coding = coding >= RawFormat::Pcm16 && coding <= RawFormat::MuLaw ? coding : RawFormat::Pcm16;
    raw.rate = rateOrDefault(sampleRate);
    raw.channels = channelsOrDefault(channels);
    // Companded samples are always 8 bits wide.
    raw.bits = raw.coding == RawFormat::Pcm16 ? pcmBitsOrDefault(bits) : 8;
    d->lastSet = FileType::Raw;
}

void AudioFileWriter::setG726Format(int sampleRate, int bitsPerSample) {
    d->g726 = {rateOrDefault(sampleRate), bitsPerSample >= 2 && bitsPerSample <= 5 ? bitsPerSample : 4};
    d->lastSet = FileType::G726;
}

void AudioFileWriter::setOggFormat(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps,
                                   int quality) {
    OggFormat& ogg = d->ogg;
    ogg.rate = rateOrDefault(sampleRate);
    ogg.channels = channelsOrDefault(channels);
    ogg.quality = quality >= 0 && quality <= 1000 ? quality : -1;
    ogg.nominalKbps = nominalKbps >= 32 && nominalKbps <= 500 ? nominalKbps : 128;
    // Limits only make sense as a pair; the nominal rate is moved inside them, since the
    // dialog sets it apart from a range the user chose on purpose.
    const bool limits = minKbps >= 32 && minKbps <= maxKbps && maxKbps <= 500;
    ogg.minKbps = limits ? minKbps : 0;
    ogg.maxKbps = limits ? maxKbps : 0;
    if (limits)
        ogg.nominalKbps = std::clamp(ogg.nominalKbps, minKbps, maxKbps);
    d->lastSet = FileType::Ogg;
}

QString AudioFileWriter::formatDescription() const {
    return d->openFile ? d->openFile->description : d->describe(d->lastSet);
}

QString AudioFileWriter::formatDescription(FileType type) const {
    return d->describe(type);
}

void AudioFileWriter::create(const QString& path) {
    close();
    d->resampler.reset();
    d->status = kOk;
    d->errorText.clear();
    const std::optional<FileType> type = fileTypeFor(path);
    if (!type) {
        d->fail(kFormatUnavailable,
                QStringLiteral("Unknown file type \"%1\": use WAV, MP3, VOX, RAW, G726, OGG or WMA.")
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
    case FileType::Mp3:
        d->encoder = openMp3Encoder(path, d->mp3, d->tags, error);
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
    case FileType::Ogg:
        d->encoder = openOggEncoder(path, d->ogg, d->tags, error);
        break;
    case FileType::Wma:
        d->encoder = openWmaEncoder(path, d->wma, d->tags, error);
        break;
    }
    if (!d->encoder) {
        d->fail(kCreateFailed, QStringLiteral("Cannot create %1: %2.").arg(path, error.reason));
        return;
    }
    d->lastSet = *type;
    const auto [rate, channels] = d->rateAndChannels(*type);
    d->openFile = Impl::OpenFile{d->describe(*type), rate, channels};
}

int AudioFileWriter::status() const {
    return d->status;
}

int AudioFileWriter::sampleRate() const {
    return d->openFile ? d->openFile->rate : d->rateAndChannels(d->lastSet).first;
}

int AudioFileWriter::channels() const {
    return d->openFile ? d->openFile->channels : d->rateAndChannels(d->lastSet).second;
}

void AudioFileWriter::write(const SampleBlock& block) {
    if (!d->encoder || d->status != kOk || block.empty())
        return;
    const EncoderError error = d->encoder->write(d->resampler ? d->resampler->convert(block) : block);
    if (error.failed()) {
        d->encoder.reset();
        d->openFile.reset();
        d->failWrite(error);
    }
}

void AudioFileWriter::close() {
    if (!d->encoder)
        return;
    EncoderError error;
    if (d->resampler && d->status == kOk) {
        if (const SampleBlock rest = d->resampler->flush(); !rest.empty())
            error = d->encoder->write(rest);
    }
    d->resampler.reset();
    if (!error.failed())
        error = d->encoder->close();
    d->encoder.reset();
    d->openFile.reset();
    if (error.failed() && d->status == kOk)
        d->failWrite(error);
}

QString AudioFileWriter::errorText() const {
    return d->errorText;
}

void AudioFileWriter::setInputFormat(int sampleRate, int channels) {
    d->resampler.reset();
    if (!d->encoder || !d->openFile || (sampleRate == d->openFile->rate && channels == d->openFile->channels))
        return;
    QString error;
    d->resampler = makeResampler(sampleRate, channels, d->openFile->rate, d->openFile->channels, error);
    if (!d->resampler)
        d->fail(kFormatUnavailable, QStringLiteral("Cannot write these blocks: %1.").arg(error));
}

void AudioFileWriter::setTags(const AudioTags& tags) {
    d->tags = tags;
}

HeaderlessFormats AudioFileWriter::headerlessFormats() const {
    return {d->vox, d->raw, d->g726};
}

double AudioFileWriter::bytesPerSecond(FileType type) const {
    switch (type) {
    case FileType::Wav:
        return d->wav.refusal.isEmpty() ? d->wav.bytesPerSecond() : 0;
    case FileType::Mp3:
        return d->mp3.bytesPerSecond();
    case FileType::Vox:
        return d->vox.bytesPerSecond();
    case FileType::Raw:
        return d->raw.bytesPerSecond();
    case FileType::G726:
        return d->g726.bytesPerSecond();
    case FileType::Ogg:
        return d->ogg.bytesPerSecond();
    case FileType::Wma:
        return d->wma.bytesPerSecond();
    }
    return 0;
}
