#include "engine/codec/AudioFileReader.h"

#include "engine/codec/CdAudio.h"
#include "engine/codec/Decoder.h"
#include "engine/codec/FfmpegDecoder.h"

#include <QCoreApplication>

using namespace codec;

namespace {

HeaderlessInput headerlessInput(FileType type, const HeaderlessFormats& formats) {
    using Coding = HeaderlessInput::Coding;
    switch (type) {
    case FileType::Vox:
        return {Coding::OkiAdpcm, formats.vox.rate, 1, 4};
    case FileType::G726:
        return {Coding::G726, formats.g726.rate, 1, formats.g726.bits};
    default:
        break;
    }
    const RawFormat& raw = formats.raw;
    // 8-bit RAW PCM is signed, as libsndfile writes it.
    const Coding coding = raw.coding == RawFormat::ALaw    ? Coding::ALaw
                          : raw.coding == RawFormat::MuLaw ? Coding::MuLaw
                          : raw.bits == 8                  ? Coding::Pcm8
                                                           : Coding::Pcm16;
    return {coding, raw.rate, raw.channels, 4};
}

QString headerlessDescription(FileType type, const HeaderlessFormats& formats) {
    switch (type) {
    case FileType::Vox:
        return formats.vox.describe();
    case FileType::G726:
        return formats.g726.describe();
    default:
        return formats.raw.describe();
    }
}

} // namespace

struct AudioFileReader::Impl {
    HeaderlessFormats headerless;
    std::unique_ptr<Decoder> decoder;
    QString path;
    QString description;
    int status = kOk;
    QString errorText;

    void fail(int code, const QString& text) {
        status = code;
        errorText = text;
    }
};

AudioFileReader::AudioFileReader()
    : d(std::make_unique<Impl>()) {}

AudioFileReader::~AudioFileReader() = default;

void AudioFileReader::setHeaderlessFormats(const HeaderlessFormats& formats) {
    d->headerless = formats;
}

void AudioFileReader::open(const QString& path) {
    close();
    d->status = kOk;
    d->errorText.clear();
    const std::optional<FileType> type = fileTypeFor(path);
    const bool headerless = type && !hasHeader(*type);
    QString error;
    QString device;
    int track = 0;
    std::unique_ptr<Decoder> decoder;
    if (cdaudio::parseLocator(path, device, track))
        decoder = cdaudio::openTrackDecoder(device.isEmpty() ? cdaudio::findDisc() : device, track, error);
    else if (headerless)
        decoder = openHeaderlessDecoder(path, headerlessInput(*type, d->headerless), error);
    else
        decoder = openFfmpegDecoder(path, error);
    if (!decoder) {
        d->fail(kOpenFailed,
                QCoreApplication::translate("AudioFileReader", "Cannot open %1: %2.").arg(path, error));
        return;
    }
    d->description = headerless ? headerlessDescription(*type, d->headerless) : decoder->description();
    d->decoder = std::move(decoder);
    d->path = path;
}

void AudioFileReader::close() {
    d->decoder.reset();
    d->description.clear();
}

int AudioFileReader::status() const {
    return d->status;
}

QString AudioFileReader::errorText() const {
    return d->errorText;
}

QString AudioFileReader::formatDescription() const {
    return d->description;
}

codec::AudioTags AudioFileReader::tags() const {
    return d->decoder ? d->decoder->tags() : codec::AudioTags{};
}

int AudioFileReader::sampleRate() const {
    return d->decoder ? d->decoder->sampleRate() : 0;
}

int AudioFileReader::channels() const {
    return d->decoder ? d->decoder->channels() : 0;
}

qint64 AudioFileReader::length() const {
    return d->decoder ? d->decoder->length() : 0;
}

SampleBlock AudioFileReader::read(int values) {
    SampleBlock block;
    if (!d->decoder || values <= 0)
        return block;
    d->decoder->read(values, block);
    if (block.empty() && !d->decoder->errorText().isEmpty() && d->status == kOk)
        d->fail(kReadFailed, QCoreApplication::translate("AudioFileReader", "Cannot decode %1: %2")
                                 .arg(d->path, d->decoder->errorText()));
    return block;
}

qint64 AudioFileReader::seek(qint64 frame) {
    return d->decoder ? d->decoder->seek(frame) : -1;
}
