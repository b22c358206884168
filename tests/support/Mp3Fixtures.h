#pragma once

// Real MP3 files for the tag tests, made once per process with sox and lame.

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace mp3fixtures {

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Bytes of a tagless MP3 of `seconds` of a 440 Hz tone (cached per length).
inline QByteArray mp3Bytes(double seconds = 0.3) {
    static QTemporaryDir dir;
    const QString mp3 = dir.filePath(QStringLiteral("tone-%1.mp3").arg(seconds));
    if (!QFile::exists(mp3)) {
        const QString wav = dir.filePath(QStringLiteral("tone.wav"));
        testsupport::run(QStringLiteral("sox"),
                         {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                          QStringLiteral("-c"), QStringLiteral("1"), wav, QStringLiteral("synth"),
                          QString::number(seconds), QStringLiteral("sine"), QStringLiteral("440")});
        testsupport::run(QStringLiteral("lame"),
                         {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("64"), wav, mp3});
    }
    return readAll(mp3);
}

// Writes a tagless MP3 to `path`; false when sox or lame failed.
inline bool makeMp3(const QString& path, double seconds = 0.3) {
    const QByteArray bytes = mp3Bytes(seconds);
    return bytes.size() > 1000 && writeAll(path, bytes);
}

// Runs a Python snippet with the system's interpreter (which has mutagen); argv[1] = `path`.
inline int python(const QString& code, const QString& path, QString* out) {
    return testsupport::run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), code, path}, out);
}

// Whether an independent decoder still reads the file as audio.
inline bool decodes(const QString& path) {
    QString out;
    return testsupport::run(QStringLiteral("mpg123"), {QStringLiteral("-q"), QStringLiteral("-t"), path},
                            &out) == 0 &&
           !out.contains(QLatin1String("rror"));
}

} // namespace mp3fixtures
