#pragma once

#include "record/audio/SampleBlock.h"

#include <QString>
#include <memory>

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
    // Encodes and appends; a short write (disk full) makes Status negative.
    void Write(const SampleBlock& block);
    // Finalises the file; it is complete on disk afterwards.
    void Close();
    QString ErrorText() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
