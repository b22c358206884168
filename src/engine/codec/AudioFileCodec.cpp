#include "engine/codec/AudioFileCodec.h"

#include "engine/codec/Decoder.h"
#include "engine/codec/Encoder.h"
#include "engine/codec/FfmpegDecoder.h"
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

enum class FileType { Wav, Mp3, Vox, Raw, G726, Ogg, Wma };

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
    if (suffix == QLatin1String("wma"))
        return FileType::Wma;
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
    WmaFormat wma = *wmaProfile(24);
    bool converterOption = false;
    FileType lastSet = FileType::Wav;

    // What the open file holds, whatever is set meanwhile for the next one.
    struct OpenFile {
        QString description;
        int rate;
        int channels;
    };
    std::optional<OpenFile> openFile;

    std::unique_ptr<Encoder> encoder;
    std::unique_ptr<Resampler> resampler;
    std::unique_ptr<Decoder> decoder;
    QString readPath;
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
        case FileType::Wma:
            return wma.describe();
        }
        return {};
    }

    HeaderlessInput headerless(FileType type) const {
        using Coding = HeaderlessInput::Coding;
        switch (type) {
        case FileType::Vox:
            return {Coding::OkiAdpcm, vox.rate, 1, 4};
        case FileType::G726:
            return {Coding::G726, g726.rate, 1, g726.bits};
        default:
            break;
        }
        // 8-bit RAW PCM is signed, as libsndfile writes it.
        const Coding coding = raw.coding == RawFormat::ALaw    ? Coding::ALaw
                              : raw.coding == RawFormat::MuLaw ? Coding::MuLaw
                              : raw.bits == 8                  ? Coding::Pcm8
                                                               : Coding::Pcm16;
        return {coding, raw.rate, raw.channels, 4};
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
    Mp3Format& mp3 = d->mp3;
    mp3.rate = mpegRateOrDefault(sampleRate);
    mp3.kbps = mpegKbpsOrDefault(kbps);
    mp3.channels = channelsOrDefault(channels);
    d->lastSet = FileType::Mp3;
}

void AudioFileCodec::SetMp3Options(const Mp3Options& options) {
    Mp3Format& mp3 = d->mp3;
    mp3.options = options;
    if (options.sampleRate() > 0)
        mp3.rate = mpegRateOrDefault(options.sampleRate());
    if (options.bitrate() > 0)
        mp3.kbps = mpegKbpsOrDefault(options.bitrate());
    d->lastSet = FileType::Mp3;
}

void AudioFileCodec::SetWmaProfile(int profile) {
    if (const std::optional<WmaFormat> format = wmaProfile(profile))
        d->wma = *format;
    d->lastSet = FileType::Wma;
}

void AudioFileCodec::SetConverterOption(bool on) {
    // Kept for callers that set it; the encoders need no such switch.
    d->converterOption = on;
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

QString AudioFileCodec::FormatDescription() const {
    return d->openFile ? d->openFile->description : d->describe(d->lastSet);
}

void AudioFileCodec::Create(const QString& path, int mode) {
    Close();
    d->resampler.reset();
    d->status = kOk;
    d->errorText.clear();
    if (mode != 0) {
        d->fail(kCreateFailed, QStringLiteral("Cannot create %1: unknown open mode %2.").arg(path).arg(mode));
        return;
    }
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
        d->encoder = openMp3Encoder(path, d->mp3, error);
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
        d->encoder = openOggEncoder(path, d->ogg, error);
        break;
    case FileType::Wma:
        d->encoder = openWmaEncoder(path, d->wma, error);
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
    const EncoderError error = d->encoder->write(d->resampler ? d->resampler->convert(block) : block);
    if (error.failed()) {
        d->encoder.reset();
        d->openFile.reset();
        d->failWrite(error);
    }
}

void AudioFileCodec::Close() {
    if (d->decoder) {
        d->decoder.reset();
        d->openFile.reset();
    }
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

QString AudioFileCodec::ErrorText() const {
    return d->errorText;
}

void AudioFileCodec::Open(const QString& path, int mode, int flags) {
    // Both arguments only name the way of opening; every caller passes 0, 1.
    Q_UNUSED(mode);
    Q_UNUSED(flags);
    Close();
    d->status = kOk;
    d->errorText.clear();
    const std::optional<FileType> type = fileTypeFor(path);
    const bool headerless = type == FileType::Vox || type == FileType::Raw || type == FileType::G726;
    QString error;
    std::unique_ptr<Decoder> decoder = headerless ? openHeaderlessDecoder(path, d->headerless(*type), error)
                                                  : openFfmpegDecoder(path, error);
    if (!decoder) {
        d->fail(kOpenFailed, QStringLiteral("Cannot open %1: %2.").arg(path, error));
        return;
    }
    d->openFile = Impl::OpenFile{headerless ? d->describe(*type) : decoder->description(),
                                 decoder->sampleRate(), decoder->channels()};
    d->decoder = std::move(decoder);
    d->readPath = path;
}

qint64 AudioFileCodec::Length() const {
    return d->decoder ? d->decoder->length() : 0;
}

int AudioFileCodec::ValuesPerSample() const {
    return Channels();
}

SampleBlock AudioFileCodec::Read(int values) {
    SampleBlock block;
    if (!d->decoder || values <= 0)
        return block;
    d->decoder->read(values, block);
    if (block.empty() && !d->decoder->errorText().isEmpty() && d->status == kOk)
        d->fail(kReadFailed,
                QStringLiteral("Cannot decode %1: %2").arg(d->readPath, d->decoder->errorText()));
    return block;
}

qint64 AudioFileCodec::Seek(qint64 frame, int mode) {
    // Mode 3, absolute frames, is the only one there is.
    Q_UNUSED(mode);
    return d->decoder ? d->decoder->seek(frame) : -1;
}

void AudioFileCodec::SetInputFormat(int sampleRate, int channels) {
    d->resampler.reset();
    if (!d->encoder || !d->openFile || (sampleRate == d->openFile->rate && channels == d->openFile->channels))
        return;
    QString error;
    d->resampler = makeResampler(sampleRate, channels, d->openFile->rate, d->openFile->channels, error);
    if (!d->resampler)
        d->fail(kFormatUnavailable, QStringLiteral("Cannot write these blocks: %1.").arg(error));
}
