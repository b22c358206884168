#pragma once

#include <QString>

// What the first MPEG audio frame (and a Xing, Info or VBRI header in it) says about a file.
struct Mp3Info {
    enum class Mode { Stereo, JointStereo, DualChannel, Mono };
    bool valid = false; // a frame header was found
    int version = 0;    // 10 = MPEG-1, 20 = MPEG-2, 25 = MPEG-2.5
    int layer = 0;      // 1 to 3
    int bitrate = 0;    // kbit/s; the average for a VBR file
    int sampleRate = 0; // Hz
    Mode mode = Mode::Stereo;
    bool vbr = false; // frame count taken from a Xing or VBRI header
    bool crcProtected = false;
    bool copyrighted = false;
    bool original = false;
    qint64 frames = 0;
    qint64 lengthMs = 0;
    qint64 audioStart = 0; // offset of the first frame
    qint64 audioBytes = 0; // from the first frame to the ID3v1 trailer or the end

    int channels() const { return mode == Mode::Mono ? 1 : 2; }
    QString versionText() const; // "MPEG-1", "MPEG-2", "MPEG-2.5"
    QString modeText() const;    // "Stereo", "Joint stereo", "Dual channel", "Mono"
};

// Reads the audio facts of an MP3 file; `valid` is false when no frame is found near the
// start (after any ID3v2 tag).
Mp3Info readMp3Info(const QString& path);
