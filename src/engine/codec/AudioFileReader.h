#pragma once

#include "engine/codec/AudioTags.h"
#include "engine/codec/FileFormats.h"
#include "engine/dsp/SampleBlock.h"

#include <QString>
#include <memory>

// Decodes one sound file at a time into 16-bit interleaved blocks.
class AudioFileReader {
public:
    AudioFileReader();
    ~AudioFileReader();
    AudioFileReader(const AudioFileReader&) = delete;
    AudioFileReader& operator=(const AudioFileReader&) = delete;

    // Values of status().
    enum StatusCode : int {
        kOk = 0,
        kOpenFailed = -5,
        kReadFailed = -6,
    };

    // Parameters headerless VOX, RAW and G726 files are read with from the next open.
    void setHeaderlessFormats(const codec::HeaderlessFormats& formats);
    // Opens `path`, closing the file open before; a CD track locator (cdaudio) opens that track.
    void open(const QString& path);
    void close();
    // 0 when fine; negative after a failed open or a failed read.
    int status() const;
    QString errorText() const;
    QString formatDescription() const;
    // Title, artist and the other descriptive tags of the open file.
    codec::AudioTags tags() const;
    int sampleRate() const;
    int channels() const;
    // Frames in the open file; 0 when there is nothing to play.
    qint64 length() const;
    // The next whole frames, at most `values` values; empty at the end or after a failure.
    SampleBlock read(int values);
    // Moves to absolute frame `frame`; returns the frame reached, -1 without a file.
    qint64 seek(qint64 frame);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
