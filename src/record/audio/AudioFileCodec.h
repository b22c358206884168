#pragma once

#include "record/audio/SampleBlock.h"
#include "record/audio/codec/FileFormats.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The file component: encodes blocks into the file format chosen by the extension of
// the path given to Create, with the parameters of that format set before.
// Values of 0 or out of range fall back to 44100 Hz, stereo, 16 bits.
class AudioFileCodec {
public:
    AudioFileCodec();
    ~AudioFileCodec();
    AudioFileCodec(const AudioFileCodec&) = delete;
    AudioFileCodec& operator=(const AudioFileCodec&) = delete;

    // Values of Status().
    enum StatusCode : int {
        kOk = 0,
        kCreateFailed = -1,
        kFormatUnavailable = -2,
        kWriteFailed = -3,
        kDiskFull = -4,
    };

    void SetWavFormat(int sampleRate, int channels, int bits);
    // Compressed WAV codecs. Values they cannot take are refused, not replaced: the
    // description is then empty and Create fails saying why.
    void SetWavAdpcm(int sampleRate, int channels);
    void SetWavGsm(int sampleRate);
    // Telephone quality: 8000 Hz mono mu-law.
    void SetWavDsp();
    // Takes the rate, channels and, when we can write it, the codec of the sound file
    // at `path`; refused when the file cannot be read.
    void SetWavLikeFile(const QString& path);
    // Lets the chooser set below pick a WAV format; 0 when one was chosen, -1 when the
    // choice was cancelled or no chooser is set.
    int ChooseWavFormat();
    using WavFormatChooser = std::function<std::optional<codec::WavFormat>(const codec::WavFormat& current)>;
    void setWavFormatChooser(WavFormatChooser chooser);
    void SetMp3Format(int sampleRate, int kbps, int channels);
    void SetVoxFormat(int sampleRate);
    void SetRawFormat(int coding, int sampleRate, int channels, int bits);
    void SetG726Format(int sampleRate, int bitsPerSample);
    void SetOggFormat(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps, int quality);

    // Readable description of the format last set, or of the file open for writing;
    // empty when the combination cannot be written.
    QString FormatDescription() const;

    // Opens `path` for writing (mode 0); the encoder is chosen by its extension.
    void Create(const QString& path, int mode);
    // 0 when fine; negative after a failed Create or a failed Write.
    int Status() const;
    int SampleRate() const;
    int Channels() const;
    // Layout of the blocks given to Write from now until the next Create, when it differs
    // from the file's: stereo is mixed down to mono, mono doubled to stereo. Blocks are
    // not resampled, so the rate must be the file's.
    void SetInputFormat(int sampleRate, int channels);
    // Encodes and appends; a short write (disk full) makes Status negative.
    void Write(const SampleBlock& block);
    // Finalises the file; it is complete on disk afterwards.
    void Close();
    QString ErrorText() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
