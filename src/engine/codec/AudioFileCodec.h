#pragma once

#include "engine/codec/FileFormats.h"
#include "engine/codec/Mp3Options.h"
#include "engine/dsp/SampleBlock.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The file component: encodes blocks into the file format chosen by the extension of
// the path given to Create, with the parameters of that format set before.
// Values of 0 or out of range fall back to 44100 Hz, stereo, 16 bits. Also decodes a file
// opened by Open; one file at a time, so Create and Open close the file open before.
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
        kOpenFailed = -5,
        kReadFailed = -6,
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

    // Opens an existing file for decoding (arguments 0, 1). Headerless VOX, RAW and G726
    // files are read with the parameters their format has at this moment.
    void Open(const QString& path, int mode, int flags);
    // Frames in the open file; 0 when there is nothing to play.
    qint64 Length() const;
    int ValuesPerSample() const;
    // The next whole frames, at most `values` values; empty at the end or after a failure.
    SampleBlock Read(int values);
    // Moves to absolute frame `frame` (mode 3); returns the frame reached, -1 without a file.
    qint64 Seek(qint64 frame, int mode);
    // Rate and channels of the blocks Write will get, when they differ from the file's.
    // Create resets it to the file's own format.
    void SetInputFormat(int sampleRate, int channels);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
