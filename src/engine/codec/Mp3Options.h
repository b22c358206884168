#pragma once

// Options of the MP3 encoder, applied at the next MP3 Create after SetMp3Options. A fresh
// object holds the encoder's own defaults. List-index options count from 0.
class Mp3Options {
public:
    enum EncodingMode {
        kModeNone = -1,
        kModeDefault = 0,
        kModeOld = 1,
        kModeNew = 2,
        kModeMtrh = 3,
        kModeAbr = 4
    };
    enum ChannelMode { kStereo = 1, kJointStereo = 2, kForcedJointStereo = 3, kDualChannels = 4 };
    enum AthControl { kAthDefault = 0, kAthOnly = 1, kAthDisabled = 2, kAthOnlyShortBlocks = 3 };
    enum DeEmphasis { kEmphasisNone = 0, kEmphasis50_15 = 1, kEmphasisCcittJ17 = 2 };

    // kbit/s; the ceiling of VBR and ABR.
    int maxVbrBitrate = 320;
    // 0 best to 9 smallest.
    int vbrQuality = 4;
    // kModeNone encodes at the constant bit rate.
    int encodingMode = kModeNone;
    // kbit/s, 4 to 320.
    int abrBitrate = 128;
    // Ignored for mono files.
    int channelMode = kJointStereo;
    // 0 slowest and best to 9 fastest.
    int quality = 3;
    bool writeVbrHeader = true;
    bool bitReservoir = true;
    bool allowDiffBlockTypes = false;
    bool shortBlocks = true;
    int deEmphasis = kEmphasisNone;
    bool strictIso = false;
    // The bit rate is VBR's and ABR's minimum; enforced, it holds in silence too.
    bool enforceMinBitrate = false;
    int athControl = kAthDefault;
    // Hz; -1 leaves the band edge to the encoder (no low-pass of ours, none at all for high-pass).
    int lowpassFrequency = -1;
    int lowpassWidth = 0;
    int highpassFrequency = -1;
    int highpassWidth = 0;
    bool crc = false;

    // Settable only through the options: 0 keeps what SetMp3Format gave.
    void setSampleRate(int hz) { m_sampleRate = hz; }
    void setBitrate(int kbps) { m_bitrate = kbps; }
    int sampleRate() const { return m_sampleRate; }
    // kbit/s, read by the converter for output names.
    int bitrate() const { return m_bitrate; }

private:
    int m_sampleRate = 0;
    int m_bitrate = 0;
};
