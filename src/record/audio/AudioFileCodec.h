#pragma once

#include "record/audio/Mp3Options.h"
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
    // Quality in hundredths, 0 to 1000, or -1 for a managed bit rate; limits of 0 mean none.
    void SetOggFormat(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps, int quality);
    // Options for the next MP3 file; a sample rate or bit rate set in them replaces the
    // one SetMp3Format gave, until SetMp3Format is called again.
    void SetMp3Options(const Mp3Options& options);
    // A number outside 0 to 51 keeps the profile set before (24 at first).
    void SetWmaProfile(int profile);
    void SetConverterOption(bool on);

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
