#include "formats/SignalSettings.h"

#include "base/SettingsFile.h"
#include "engine/pulse/AudioRecorder.h"

namespace {

QString read(const QString& file, const char* key) {
    return readSetting(file, QStringLiteral("other"), QLatin1String(key));
}

bool flagOn(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value == 1.0;
}

void applyFilter(const QString& file, const char* flagKey, const char* frequencyKey, AudioRecorder& recorder,
                 void (AudioRecorder::*enable)(bool), bool (AudioRecorder::*setFrequency)(float)) {
    const bool on = flagOn(read(file, flagKey));
    (recorder.*enable)(on);
    if (!on)
        return;
    bool ok = false;
    const float hz = read(file, frequencyKey).toFloat(&ok);
    if (ok)
        (recorder.*setFrequency)(hz);
}

void applyLevel(const QString& file, const char* key, AudioRecorder& recorder,
                bool (AudioRecorder::*set)(int)) {
    bool ok = false;
    const int value = read(file, key).toInt(&ok);
    if (ok)
        (recorder.*set)(value);
}

} // namespace

void applySignalSettings(const QString& file, AudioRecorder& recorder) {
    applyFilter(file, "notch", "notchtxt", recorder, &AudioRecorder::SetNotchEnabled,
                &AudioRecorder::SetNotchFrequency);
    applyFilter(file, "highpass", "highpasstxt", recorder, &AudioRecorder::SetHighPassEnabled,
                &AudioRecorder::SetHighPassFrequency);
    applyFilter(file, "lowpass", "lowpasstxt", recorder, &AudioRecorder::SetLowPassEnabled,
                &AudioRecorder::SetLowPassFrequency);
    const bool agc = flagOn(read(file, "autogain"));
    recorder.SetAgcEnabled(agc);
    if (!agc)
        return;
    applyLevel(file, "lowlevel", recorder, &AudioRecorder::SetAgcLowLevel);
    applyLevel(file, "highlevel", recorder, &AudioRecorder::SetAgcHighLevel);
    applyLevel(file, "attacktime", recorder, &AudioRecorder::SetAgcAttackTime);
}
