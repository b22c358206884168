#include "record/OutputNaming.h"

#include "base/SettingsFile.h"
#include "base/SettingsKeys.h"

#include <optional>

namespace Keys = SettingsKeys::Set;

namespace {
std::optional<double> number(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}
} // namespace

SplitRule SplitRule::read(const QString& settingsFile) {
    const auto number = [&](QLatin1String key) {
        bool ok = false;
        const int value = readSetting(settingsFile, Keys::kSection, key).trimmed().toInt(&ok);
        return ok && value > 0 ? value : 0;
    };
    return {number(Keys::kSplitMinutes), number(Keys::kSplitMegabytes)};
}

void SplitRule::write(const QString& settingsFile) const {
    writeSetting(settingsFile, Keys::kSection, Keys::kSplitMinutes, QString::number(minutes));
    writeSetting(settingsFile, Keys::kSection, Keys::kSplitMegabytes, QString::number(megabytes));
}

bool SplitRule::due(qint64 frames, int sampleRate, qint64 fileBytes) const {
    return (minutes > 0 && frames >= static_cast<qint64>(minutes) * 60 * sampleRate) ||
           (megabytes > 0 && fileBytes >= static_cast<qint64>(megabytes) * 1024 * 1024);
}

NamingSettings NamingSettings::read(const QString& settingsFile) {
    const QString fileName = readSetting(settingsFile, Keys::kSection, Keys::kFileName);
    return {readSetting(settingsFile, Keys::kSection, Keys::kOutputFolder),
            fileName.isEmpty() ? kDefaultBaseName : fileName,
            readSetting(settingsFile, Keys::kSection, Keys::kDateTime),
            readSetting(settingsFile, Keys::kSection, Keys::kExistedFile)};
}

void NamingSettings::write(const QString& settingsFile) const {
    writeSetting(settingsFile, Keys::kSection, Keys::kOutputFolder, outputFolder);
    writeSetting(settingsFile, Keys::kSection, Keys::kFileName, fileName);
    writeSetting(settingsFile, Keys::kSection, Keys::kDateTime, dateTime);
    writeSetting(settingsFile, Keys::kSection, Keys::kExistedFile, existedFile);
}

bool usableBaseName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool stampRequested(const QString& dateTimeText) {
    const auto n = number(dateTimeText);
    return !n || *n == 1;
}

bool overwriteRequested(const QString& existedFileText) {
    const auto n = number(existedFileText);
    return n && *n != 0;
}

QString dateStamp(const QDateTime& when) {
    return when.toString(QStringLiteral("MMddyyHHmmss"));
}

QString composeOutputPath(const NamingSettings& settings, const QString& appFolder, const QString& extension,
                          int rowCount, const QDateTime& now,
                          const std::function<bool(const QString&)>& exists) {
    QString folder = settings.outputFolder.isEmpty() ? appFolder : settings.outputFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    // A name that starts with a dot is hidden from the user: leading dots go, and a base
    // left empty gives way to the stamp, or to a word when there is no stamp.
    QString name = settings.fileName;
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    const bool stamped = stampRequested(settings.dateTime);
    if (name.isEmpty() && !stamped)
        name = kDefaultBaseName;
    const QString base = folder + name;
    const QString ext = QLatin1Char('.') + extension;

    const QString stem = stamped ? base + dateStamp(now) : base;
    const QString plain = stem + ext;
    if (overwriteRequested(settings.existedFile) || !exists(plain))
        return plain;
    // Adding a number never replaces a file: count on from the list's next number until a name is free.
    for (qint64 number = qint64{rowCount} + 1;; ++number) {
        const QString numbered = stem + QLatin1Char('_') + QString::number(number) + ext;
        if (!exists(numbered))
            return numbered;
    }
}
