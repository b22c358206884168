#include "formats/SignalSettings.h"

#include "base/SettingsFile.h"
#include "engine/dsp/SignalChain.h"

namespace {

QString read(const QString& file, const char* key) {
    return readSetting(file, QStringLiteral("other"), QLatin1String(key));
}

bool flagOn(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value == 1.0;
}

void applyFilter(const QString& file, const char* flagKey, const char* frequencyKey, SignalChain& chain,
                 SignalChain::Filter filter) {
    const bool on = flagOn(read(file, flagKey));
    chain.setFilterEnabled(filter, on);
    if (!on)
        return;
    bool ok = false;
    const float hz = read(file, frequencyKey).toFloat(&ok);
    if (ok)
        chain.setFilterFrequency(filter, hz);
}

void applyLevel(const QString& file, const char* key, SignalChain& chain, bool (SignalChain::*set)(int)) {
    bool ok = false;
    const int value = read(file, key).toInt(&ok);
    if (ok)
        (chain.*set)(value);
}

} // namespace

void applySignalSettings(const QString& file, SignalChain& chain) {
    applyFilter(file, "notch", "notchtxt", chain, SignalChain::Notch);
    applyFilter(file, "highpass", "highpasstxt", chain, SignalChain::HighPass);
    applyFilter(file, "lowpass", "lowpasstxt", chain, SignalChain::LowPass);
    const bool agc = flagOn(read(file, "autogain"));
    chain.setAgcEnabled(agc);
    if (!agc)
        return;
    applyLevel(file, "lowlevel", chain, &SignalChain::setAgcLowLevel);
    applyLevel(file, "highlevel", chain, &SignalChain::setAgcHighLevel);
    applyLevel(file, "attacktime", chain, &SignalChain::setAgcAttackTime);
}
