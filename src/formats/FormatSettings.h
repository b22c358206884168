#pragma once

#include "base/SettingsFile.h"
#include "engine/codec/Mp3Options.h"
#include "engine/codec/OutputFormats.h"

#include <QString>
#include <QStringList>
#include <limits>

// The output-format list, in its order; each text is also the recorded file's extension.
QStringList outputFormatTexts();

// Position stored as `outputformat`: its leading number, 0 when there is none or when
// it lies outside the list.
int outputFormatFrom(const QString& text);

// Reads `key` of `section` into `field` when it converts as a whole to the field's width;
// otherwise the field keeps what it had.
template <typename T>
void readSettingInto(const QString& file, const char* section, const char* key, T& field) {
    bool ok = false;
    const qlonglong v = readSetting(file, QLatin1String(section), QLatin1String(key)).toLongLong(&ok);
    if (ok && v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max())
        field = static_cast<T>(v);
}

// Reads every format key into `formats`. A value that is missing or does not convert as a
// whole to its width leaves the field as it was; a stored WAV codec that cannot take the
// stored rate and channels reads as PCM.
void readFormatSettings(const QString& settingsFile, codec::OutputFormats& formats);

// A chosen WAV format, into section `wav` and `formats`: a codec chosen in the WAV dialog
// survives a restart.
void storeWavFormat(const QString& settingsFile, const codec::WavFormat& format,
                    codec::OutputFormats& formats);

// The MP3 encoder's options as last confirmed (keys of their own in section `mp3`); the
// encoder's defaults where a key is missing or out of its range.
Mp3Options readMp3Options(const QString& settingsFile);
void storeMp3Options(const QString& settingsFile, const Mp3Options& options);

// Start-up: reads all format settings and the MP3 options into `formats`, and returns the
// output-format position to select.
int loadFormatSettings(const QString& settingsFile, codec::OutputFormats& formats);
