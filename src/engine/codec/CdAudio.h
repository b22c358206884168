#pragma once

#include "engine/codec/Decoder.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

// Audio CDs, in a drive or as a CUE/BIN image standing in for one. A track is named by a
// locator text, "CDAUDIO:" followed by the drive (or image) and "#" and the track number;
// "CDAUDIO:" alone means the first track of the disc found in the usual drives.
namespace cdaudio {

inline const QString kPrefix = QStringLiteral("CDAUDIO:");
constexpr int kRate = 44100;
constexpr int kChannels = 2;

struct Track {
    int number = 0;
    qint64 frames = 0;
    // CD-Text, empty where the disc has none.
    QString title;
    QString performer;
};

struct Disc {
    QString device;
    QString title;
    QString performer;
    QList<Track> tracks;
};

bool isLocator(const QString& text);
QString locator(const QString& device, int track);
// The drive and track a locator names; "CDAUDIO:" alone gives an empty device and track 1.
bool parseLocator(const QString& text, QString& device, int& track);

// The drive that holds an audio disc: TAVRIK_CD_DEVICE when set (a drive or a .cue image),
// else the first of the system's drives with audio tracks; empty when there is none.
QString findDisc();

// The audio tracks of the disc in `device`; nothing, with `error` saying why, when there
// is no readable audio disc.
std::optional<Disc> readDisc(const QString& device, QString& error);

// Decodes one audio track through the error-correcting reader.
std::unique_ptr<Decoder> openTrackDecoder(const QString& device, int track, QString& error);

} // namespace cdaudio
