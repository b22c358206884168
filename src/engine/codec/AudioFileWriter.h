#pragma once

#include "engine/codec/AudioTags.h"
#include "engine/codec/FileFormats.h"
#include "engine/codec/Mp3Options.h"
#include "engine/codec/OutputFormats.h"
#include "engine/dsp/SampleBlock.h"

#include <QString>
#include <memory>

// Encodes blocks into a file whose format is chosen by the extension of the path given to
// create, with the parameters of that format held in formats(). Values of 0 or out of range
// fall back to 44100 Hz, stereo, 16 bits. One file at a time: create closes the one before.
class AudioFileWriter {
public:
    AudioFileWriter();
    ~AudioFileWriter();
    AudioFileWriter(const AudioFileWriter&) = delete;
    AudioFileWriter& operator=(const AudioFileWriter&) = delete;

    // Values of status().
    enum StatusCode : int {
        kOk = 0,
        kCreateFailed = -1,
        kFormatUnavailable = -2,
        kWriteFailed = -3,
        kDiskFull = -4,
    };

    // The parameters of every format, for the next file created.
    void setFormats(const codec::OutputFormats& formats);
    const codec::OutputFormats& formats() const;

    // Edits of one format's part of formats(); the format edited becomes the one that
    // formatDescription() describes while no file is open.
    void setWavFormat(int sampleRate, int channels, int bits);
    // Any codec, rate and channels; refused as the calls below are.
    void setWavFormat(const codec::WavFormat& format);
    // Compressed WAV codecs. Values they cannot take are refused, not replaced: the
    // description is then empty and create fails saying why.
    void setWavAdpcm(int sampleRate, int channels);
    void setWavGsm(int sampleRate);
    // Telephone quality: 8000 Hz mono mu-law.
    void setWavTelephone();
    // Takes the rate, channels and, when we can write it, the codec of the sound file
    // at `path`; refused when the file cannot be read.
    void setWavLikeFile(const QString& path);
    void setMp3Format(int sampleRate, int kbps, int channels);
    void setVoxFormat(int sampleRate);
    void setRawFormat(int coding, int sampleRate, int channels, int bits);
    void setG726Format(int sampleRate, int bitsPerSample);
    // Quality in hundredths, 0 to 1000, or -1 for a managed bit rate; limits of 0 mean none.
    void setOggFormat(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps, int quality);
    // Options for the next MP3 file; a sample rate or bit rate set in them replaces the
    // one setMp3Format gave, until setMp3Format is called again.
    void setMp3Options(const Mp3Options& options);
    // A number outside 0 to 51 keeps the profile set before (24 at first).
    void setWmaProfile(int profile);
    // Descriptive tags for the MP3, Ogg Vorbis and WMA files created from now on; none at first.
    void setTags(const codec::AudioTags& tags);

    // Readable description of the format last edited, or of the file open for writing;
    // empty when the combination cannot be written.
    QString formatDescription() const;
    // Opens `path` for writing; the encoder is chosen by its extension.
    void create(const QString& path);
    // 0 when fine; negative after a failed create or a failed write.
    int status() const;
    int sampleRate() const;
    int channels() const;
    // Encodes and appends; a short write (disk full) makes status negative.
    void write(const SampleBlock& block);
    // Finalises the file; it is complete on disk afterwards.
    void close();
    QString errorText() const;
    // Rate and channels of the blocks write will get, when they differ from the file's.
    // create resets it to the file's own format.
    void setInputFormat(int sampleRate, int channels);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
