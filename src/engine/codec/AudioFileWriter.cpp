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

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdint>
#include <limits>
#include <optional>

using namespace codec;

namespace {

// A stored field takes what fits its width; anything else reads as 0, which the formats replace.
std::int16_t narrow(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
                   value <= std::numeric_limits<std::int16_t>::max()
               ? static_cast<std::int16_t>(value)
               : std::int16_t{0};
}

} // namespace

struct AudioFileWriter::Impl {
    OutputFormats formats;
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
        const QString kept = QCoreApplication::translate(
            "AudioFileWriter", " Recording stopped; the file holds everything written before.");
        switch (error.kind) {
        case EncoderError::Kind::NoSpace:
            fail(kDiskFull,
                 QCoreApplication::translate("AudioFileWriter", "The disk is full (%1).").arg(error.reason) +
                     kept);
            break;
        case EncoderError::Kind::TooLarge:
            // No room for this file either, though the disk may have some.
            fail(kDiskFull, QCoreApplication::translate(
                                "AudioFileWriter", "The file has reached the largest size allowed here (%1).")
                                    .arg(error.reason) +
                                kept);
            break;
        default:
            fail(kWriteFailed, QCoreApplication::translate("AudioFileWriter", "Cannot write the file: %1.")
                                       .arg(error.reason) +
                                   kept);
        }
    }
};

AudioFileWriter::AudioFileWriter()
    : d(std::make_unique<Impl>()) {}

AudioFileWriter::~AudioFileWriter() = default;

void AudioFileWriter::setFormats(const OutputFormats& formats) {
    d->formats = formats;
}

const OutputFormats& AudioFileWriter::formats() const {
    return d->formats;
}

void AudioFileWriter::setWavFormat(int sampleRate, int channels, int bits) {
    d->formats.setWav(WavFormat{sampleRate, channels, bits, WavCodec::Pcm, {}});
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavFormat(const WavFormat& format) {
    d->formats.setWav(makeWavFormat(format.codec, format.rate, format.channels, format.bits));
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavAdpcm(int sampleRate, int channels) {
    d->formats.setWav(makeWavFormat(WavCodec::ImaAdpcm, sampleRate, channels));
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavGsm(int sampleRate) {
    d->formats.setWav(makeWavFormat(WavCodec::Gsm610, sampleRate, 1));
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavTelephone() {
    d->formats.setWav(makeWavFormat(kDspCodec, kDspRate, 1));
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setWavLikeFile(const QString& path) {
    d->formats.setWav(wavFormatLike(path));
    d->lastSet = FileType::Wav;
}

void AudioFileWriter::setMp3Format(int sampleRate, int kbps, int channels) {
    OutputFormats& f = d->formats;
    f.mp3Rate = sampleRate;
    f.mp3Kbps = narrow(kbps);
    f.mp3Channels = narrow(channels);
    f.mp3Options.setSampleRate(0);
    f.mp3Options.setBitrate(0);
    d->lastSet = FileType::Mp3;
}

void AudioFileWriter::setMp3Options(const Mp3Options& options) {
    d->formats.mp3Options = options;
    d->lastSet = FileType::Mp3;
}

void AudioFileWriter::setWmaProfile(int profile) {
    if (wmaProfile(profile))
        d->formats.wmaProfile = profile;
    d->lastSet = FileType::Wma;
}

void AudioFileWriter::setVoxFormat(int sampleRate) {
    d->formats.voxRate = sampleRate;
    d->lastSet = FileType::Vox;
}

void AudioFileWriter::setRawFormat(int coding, int sampleRate, int channels, int bits) {
    OutputFormats& f = d->formats;
    f.rawCoding = narrow(coding);
    f.rawRate = sampleRate;
    f.rawChannels = narrow(channels);
    f.rawBits = narrow(bits);
    d->lastSet = FileType::Raw;
}

void AudioFileWriter::setG726Format(int sampleRate, int bitsPerSample) {
    d->formats.g726Rate = sampleRate;
    d->formats.g726BitsPerSample = narrow(bitsPerSample);
    d->lastSet = FileType::G726;
}

void AudioFileWriter::setOggFormat(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps,
                                   int quality) {
    OutputFormats& f = d->formats;
    f.oggRate = sampleRate;
    f.oggChannels = narrow(channels);
    f.oggKbps = narrow(nominalKbps);
    f.oggMinKbps = narrow(minKbps);
    f.oggMaxKbps = narrow(maxKbps);
    // A quality out of range falls back to the bit rates, as if none were given.
    const bool qualityMode = quality >= 0 && quality <= 1000;
    f.oggQualityEnabled = qualityMode ? 1 : 0;
    f.oggQuality = qualityMode ? narrow(quality) : std::int16_t{0};
    f.oggVbrEnabled = 1;
    d->lastSet = FileType::Ogg;
}

QString AudioFileWriter::formatDescription() const {
    return d->openFile ? d->openFile->description : d->formats.description(d->lastSet);
}

void AudioFileWriter::create(const QString& path) {
    close();
    d->resampler.reset();
    d->status = kOk;
    d->errorText.clear();
    const std::optional<FileType> type = fileTypeFor(path);
    if (!type) {
        d->fail(kFormatUnavailable,
                QCoreApplication::translate(
                    "AudioFileWriter", "Unknown file type \"%1\": use WAV, MP3, VOX, RAW, G726, OGG or WMA.")
                    .arg(QFileInfo(path).suffix()));
        return;
    }
    const OutputFormats& f = d->formats;
    EncoderError error;
    switch (*type) {
    case FileType::Wav: {
        const WavFormat wav = f.wav();
        if (!wav.refusal.isEmpty()) {
            d->fail(kFormatUnavailable, QCoreApplication::translate("AudioFileWriter", "Cannot create %1: %2")
                                            .arg(path, wav.refusal));
            return;
        }
        d->encoder = openWavEncoder(path, wav, error);
        break;
    }
    case FileType::Mp3:
        d->encoder = openMp3Encoder(path, f.mp3(), d->tags, error);
        break;
    case FileType::Vox:
        d->encoder = openVoxEncoder(path, f.vox(), error);
        break;
    case FileType::Raw:
        d->encoder = openRawEncoder(path, f.raw(), error);
        break;
    case FileType::G726:
        d->encoder = openG726Encoder(path, f.g726(), error);
        break;
    case FileType::Ogg:
        d->encoder = openOggEncoder(path, f.ogg(), d->tags, error);
        break;
    case FileType::Wma:
        d->encoder = openWmaEncoder(path, f.wma(), d->tags, error);
        break;
    }
    if (!d->encoder) {
        d->fail(
            kCreateFailed,
            QCoreApplication::translate("AudioFileWriter", "Cannot create %1: %2.").arg(path, error.reason));
        return;
    }
    d->lastSet = *type;
    const auto [rate, channels] = f.rateAndChannels(*type);
    d->openFile = Impl::OpenFile{f.description(*type), rate, channels};
}

int AudioFileWriter::status() const {
    return d->status;
}

int AudioFileWriter::sampleRate() const {
    return d->openFile ? d->openFile->rate : d->formats.rateAndChannels(d->lastSet).first;
}

int AudioFileWriter::channels() const {
    return d->openFile ? d->openFile->channels : d->formats.rateAndChannels(d->lastSet).second;
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
        d->fail(kFormatUnavailable,
                QCoreApplication::translate("AudioFileWriter", "Cannot write these blocks: %1.").arg(error));
}

void AudioFileWriter::setTags(const AudioTags& tags) {
    d->tags = tags;
}
