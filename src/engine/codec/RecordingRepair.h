#pragma once

#include "engine/codec/FileFormats.h"

#include <QString>
#include <cstdint>

// Repairs a recording whose writer ended without closing it (killed, crashed, power cut): the
// sizes a header states are set from what reached the disk, and a damaged tail (a partial
// frame, block or page) is cut. Whatever lies before the tail stays as it is.
namespace codec {

// What the writer of a recording wrote into it, for checking that a file is still that
// recording before anything in it is changed.
struct RecordedFormat {
    FileType type = FileType::Wav;
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    // Headerless files: `unitBytes` bytes code `unitFrames` frames; only whole units are audio.
    int unitBytes = 1;
    int unitFrames = 1;
};

// The recorded format of a file of `type` written at `rate` and `channels`, with the
// headerless parameters the writer had.
RecordedFormat recordedFormat(FileType type, int rate, int channels, const HeaderlessFormats& headerless);

struct RepairResult {
    enum class Kind {
        Repaired,
        // The file was complete already; nothing was written.
        Intact,
        // Not the recording described (another format, rate or channels); left untouched.
        NotOurs,
        // Damaged beyond its tail, or in a way no repair here covers; left untouched.
        Damaged,
        CannotOpen,
    };
    Kind kind = Kind::Damaged;
    QString reason;
    // Frames of audio the file holds now; -1 when the format does not tell.
    std::int64_t frames = -1;
    std::int64_t bytesCut = 0;

    bool usable() const { return kind == Kind::Repaired || kind == Kind::Intact; }
};

RepairResult repairRecording(const QString& path, const RecordedFormat& format);

} // namespace codec
