#include "record/ActivationSettings.h"

#include "base/SettingsFile.h"
#include "base/SettingsKeys.h"

#include <algorithm>
#include <cmath>

namespace Activation = SettingsKeys::Activation;
namespace Health = SettingsKeys::Health;

namespace {

double numberIn(const QString& text, ActivationSettings::Range range, double fallback) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return fallback;
    return std::clamp(value, range.min, range.max);
}

double readNumber(const QString& file, QLatin1String section, QLatin1String key,
                  ActivationSettings::Range range, double fallback) {
    return numberIn(readSetting(file, section, key), range, fallback);
}

} // namespace

ActivationSettings ActivationSettings::read(const QString& file) {
    ActivationSettings s;
    const auto activation = [&](QLatin1String key, Range range, double fallback) {
        return readNumber(file, Activation::kSection, key, range, fallback);
    };
    s.prerecordSeconds =
        static_cast<int>(std::lround(activation(Activation::kPrerecord, kPrerecord, s.prerecordSeconds)));
    s.enabled = readSetting(file, Activation::kSection, Activation::kEnabled).toDouble() == 1.0;
    s.thresholdDb = activation(Activation::kThreshold, kThreshold, s.thresholdDb);
    s.holdSeconds = activation(Activation::kHold, kHold, s.holdSeconds);
    s.prerollSeconds = activation(Activation::kPreroll, kPreroll, s.prerollSeconds);
    s.silenceAlarmSeconds = static_cast<int>(std::lround(
        readNumber(file, Health::kSection, Health::kSilenceAlarm, kSilenceAlarm, s.silenceAlarmSeconds)));
    return s;
}

void ActivationSettings::write(const QString& file) const {
    const auto activation = [&](QLatin1String key, double value) {
        writeSetting(file, Activation::kSection, key, QString::number(value));
    };
    activation(Activation::kPrerecord, prerecordSeconds);
    activation(Activation::kEnabled, enabled ? 1 : 0);
    activation(Activation::kThreshold, thresholdDb);
    activation(Activation::kHold, holdSeconds);
    activation(Activation::kPreroll, prerollSeconds);
    writeSetting(file, Health::kSection, Health::kSilenceAlarm, QString::number(silenceAlarmSeconds));
}
