#pragma once

#include <QString>

namespace codec {

// What a decoded file holds, in the decoding library's own codec names.
struct DecodedFormat {
    QString container; // short name of the file type, such as "wav"
    QString codec;     // short name, such as "mp3", "vorbis", "wmav2", "pcm_s16le"
    QString codecText; // long name, for codecs without one of ours
    int pcmBits = 0;   // bits per sample of uncompressed PCM, else 0
    int rate = 0;
    int channels = 0;
    qint64 bitRate = 0;

    // Readable text for the status bar, such as "MP3 44100 Hz stereo 128 kbit/s".
    QString describe() const;
};

} // namespace codec
