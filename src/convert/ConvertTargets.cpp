#include "convert/ConvertTargets.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace convert {

QString targetName(Target target) {
    switch (target) {
    case Target::Wma:
        return QStringLiteral("WMA");
    case Target::Mp3:
        return QStringLiteral("MP3");
    case Target::Ogg:
        return QStringLiteral("Ogg");
    }
    return {};
}

std::optional<QString> outputBase(const QString& input) {
    const QString native = QDir::toNativeSeparators(input);
    const qsizetype slash = native.lastIndexOf(QDir::separator());
    const QString folder = native.left(slash + 1);
    const QString name = native.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    return folder + name.left(dot);
}

QString outputPath(const QString& base, Target target, int mp3Kbps, int wmaProfile) {
    switch (target) {
    case Target::Mp3:
        return base + QStringLiteral("_%1kbps.mp3").arg(mp3Kbps);
    case Target::Ogg:
        return base + QStringLiteral(".ogg");
    case Target::Wma:
        return base + QStringLiteral("_%1.wma").arg(wmaProfile);
    }
    return {};
}

bool sameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QStringList parseInputList(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!trimmed.startsWith(QLatin1Char('"')))
        return trimmed.isEmpty() ? QStringList{} : QStringList{trimmed};
    QStringList paths;
    qsizetype at = 0;
    while ((at = trimmed.indexOf(QLatin1Char('"'), at)) >= 0) {
        const qsizetype end = trimmed.indexOf(QLatin1Char('"'), at + 1);
        if (end < 0) {
            paths.append(trimmed.mid(at + 1));
            break;
        }
        paths.append(trimmed.mid(at + 1, end - at - 1));
        at = end + 1;
    }
    paths.removeAll(QString());
    return paths;
}

QString inputListText(const QStringList& paths) {
    if (paths.size() == 1)
        return paths.first();
    QStringList quoted;
    for (const QString& path : paths)
        quoted.append(QLatin1Char('"') + path + QLatin1Char('"'));
    return quoted.join(QLatin1Char(' '));
}

} // namespace convert
