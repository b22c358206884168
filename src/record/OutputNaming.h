#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// The base name of recordings while none is set.
inline const QString kDefaultBaseName = QStringLiteral("Recorded");

// The four naming keys of section `set`, as read from settings.dat; a missing or empty
// base name reads as kDefaultBaseName, which is what the naming dialog shows.
struct NamingSettings {
    QString outputFolder;
    QString fileName;
    QString dateTime;
    QString existedFile;

    static NamingSettings read(const QString& settingsFile);
    void write(const QString& settingsFile) const;
};

// When a long recording goes on in a new file: after `minutes` of sound or once the file
// holds `megabytes` (MiB); 0 (or a key that is missing or no number) never. Keys
// `splitminutes` and `splitmb` of section `set`.
struct SplitRule {
    int minutes = 0;
    int megabytes = 0;

    static SplitRule read(const QString& settingsFile);
    void write(const QString& settingsFile) const;
    bool active() const { return minutes > 0 || megabytes > 0; }
    bool due(qint64 frames, int sampleRate, qint64 fileBytes) const;
};

// False when `name` holds a character no file name can hold: "/" (it would name a folder) or NUL.
bool usableBaseName(const QString& name);

// True when `text` asks for the date-and-time stamp: "1", or anything not a number.
bool stampRequested(const QString& dateTimeText);
// True when `text` asks to overwrite existing files: a number other than 0.
bool overwriteRequested(const QString& existedFileText);

// "mmddyyhhmmss", e.g. 122626143005 for 26 December 2026, 14:30:05.
QString dateStamp(const QDateTime& when);

// The path of a new recording: folder (the application folder when empty), base name,
// stamp, and the output format's list text as extension. Unless the rule says overwrite, a
// taken name gets "_" and the first free number from `rowCount` + 1 on, where `rowCount` is
// the number of rows in the recordings list; `exists` asks the file system. The name never
// starts with a dot.
QString composeOutputPath(const NamingSettings& settings, const QString& appFolder, const QString& extension,
                          int rowCount, const QDateTime& now,
                          const std::function<bool(const QString&)>& exists);
