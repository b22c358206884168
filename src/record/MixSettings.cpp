#include "record/MixSettings.h"

#include "base/SettingsFile.h"
#include "base/SettingsKeys.h"

#include <QStringList>
#include <algorithm>

namespace Mix = SettingsKeys::Mix;

namespace {

// Server names run to some 60 characters; a mix of a dozen sources still fits.
constexpr int kLongestSourceList = 1024;
constexpr int kDefaultLevel = 100;

QString levelKey(std::size_t position) {
    return Mix::kLevelPrefix + QString::number(position + 1);
}

} // namespace

SourceMix readSourceMix(const QString& file) {
    SourceMix mix;
    const QStringList names =
        readSetting(file, Mix::kSection, Mix::kSources, kLongestSourceList).split(u'|', Qt::SkipEmptyParts);
    for (const QString& name : names)
        if (const QString trimmed = name.trimmed(); !trimmed.isEmpty())
            mix.serverNames.push_back(trimmed.toStdString());
    if (readSetting(file, Mix::kSection, Mix::kLayout).toInt() == 1)
        mix.layout = SourceMixer::Layout::ChannelPerSource;
    for (std::size_t i = 0; i < mix.serverNames.size(); ++i) {
        bool ok = false;
        const int level = readSetting(file, Mix::kSection, levelKey(i)).toInt(&ok);
        mix.levels.push_back(ok ? std::clamp(level, 0, SourceMix::kMaxLevel) : kDefaultLevel);
    }
    return mix;
}

void writeSourceMix(const QString& file, const SourceMix& mix) {
    QStringList names;
    for (const std::string& name : mix.serverNames)
        names << QString::fromStdString(name);
    writeSetting(file, Mix::kSection, Mix::kSources, names.join(u'|'), kLongestSourceList);
    writeSetting(file, Mix::kSection, Mix::kLayout,
                 QString::number(mix.layout == SourceMixer::Layout::ChannelPerSource ? 1 : 0));
    for (std::size_t i = 0; i < mix.serverNames.size(); ++i)
        writeSetting(file, Mix::kSection, levelKey(i),
                     QString::number(i < mix.levels.size() ? mix.levels[i] : kDefaultLevel));
}
