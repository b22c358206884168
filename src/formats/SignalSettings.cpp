#include "formats/SignalSettings.h"

#include "base/SettingsFile.h"
#include "base/SettingsKeys.h"
#include "engine/dsp/SignalChain.h"

#include <algorithm>
#include <cmath>

namespace Keys = SettingsKeys::Other;

namespace {

QString read(const QString& file, QLatin1String key) {
    return readSetting(file, Keys::kSection, key);
}

bool flagOn(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value == 1.0;
}

void applyFilter(const QString& file, QLatin1String flagKey, QLatin1String frequencyKey, SignalChain& chain,
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

void applyLevel(const QString& file, QLatin1String key, SignalChain& chain, bool (SignalChain::*set)(int)) {
    bool ok = false;
    const int value = read(file, key).toInt(&ok);
    if (ok)
        (chain.*set)(value);
}

} // namespace

void applySignalSettings(const QString& file, SignalChain& chain) {
    applyFilter(file, Keys::kNotch, Keys::kNotchFrequency, chain, SignalChain::Notch);
    applyFilter(file, Keys::kHighPass, Keys::kHighPassFrequency, chain, SignalChain::HighPass);
    applyFilter(file, Keys::kLowPass, Keys::kLowPassFrequency, chain, SignalChain::LowPass);
    const bool agc = flagOn(read(file, Keys::kAutoGain));
    chain.setAgcEnabled(agc);
    if (!agc)
        return;
    applyLevel(file, Keys::kLowLevel, chain, &SignalChain::setAgcLowLevel);
    applyLevel(file, Keys::kHighLevel, chain, &SignalChain::setAgcHighLevel);
    applyLevel(file, Keys::kAttackTime, chain, &SignalChain::setAgcAttackTime);
}

namespace {

int numberIn(const QString& text, SignalValues::Range range, int fallback) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::clamp(fallback, range.min, range.max);
    return static_cast<int>(std::lround(std::clamp<double>(value, range.min, range.max)));
}

} // namespace

SignalValues readSignalValues(const QString& file, const SignalChain& running) {
    SignalValues v;
    const auto filter = [&](QLatin1String flag, QLatin1String text, SignalChain::Filter which,
                            SignalValues::Range range) {
        return SignalValues::Filter{
            flagOn(read(file, flag)),
            numberIn(read(file, text), range, static_cast<int>(std::lround(running.filterFrequency(which))))};
    };
    v.notch = filter(Keys::kNotch, Keys::kNotchFrequency, SignalChain::Notch, SignalValues::kNotch);
    v.highPass =
        filter(Keys::kHighPass, Keys::kHighPassFrequency, SignalChain::HighPass, SignalValues::kPass);
    v.lowPass = filter(Keys::kLowPass, Keys::kLowPassFrequency, SignalChain::LowPass, SignalValues::kPass);
    v.agc = flagOn(read(file, Keys::kAutoGain));
    v.agcLow = numberIn(read(file, Keys::kLowLevel), SignalValues::kLevel, running.agcLowLevel());
    v.agcHigh = numberIn(read(file, Keys::kHighLevel), SignalValues::kLevel, running.agcHighLevel());
    v.agcAttack = numberIn(read(file, Keys::kAttackTime), SignalValues::kAttack, running.agcAttackTime());
    return v;
}

void storeSignalValues(const QString& file, const SignalValues& v, SignalChain& chain) {
    const auto write = [&](QLatin1String key, const QString& text) {
        writeSetting(file, Keys::kSection, key, text);
    };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    write(Keys::kNotch, flag(v.notch.on));
    write(Keys::kNotchFrequency, QString::number(v.notch.hz));
    write(Keys::kHighPass, flag(v.highPass.on));
    write(Keys::kHighPassFrequency, QString::number(v.highPass.hz));
    write(Keys::kLowPass, flag(v.lowPass.on));
    write(Keys::kLowPassFrequency, QString::number(v.lowPass.hz));
    write(Keys::kAutoGain, flag(v.agc));
    write(Keys::kLowLevel, QString::number(v.agcLow));
    write(Keys::kHighLevel, QString::number(v.agcHigh));
    write(Keys::kAttackTime, QString::number(v.agcAttack));
    const auto apply = [&](SignalChain::Filter which, const SignalValues::Filter& f) {
        chain.setFilterEnabled(which, f.on);
        if (f.on)
            chain.setFilterFrequency(which, static_cast<float>(f.hz));
    };
    apply(SignalChain::Notch, v.notch);
    apply(SignalChain::HighPass, v.highPass);
    apply(SignalChain::LowPass, v.lowPass);
    chain.setAgcEnabled(v.agc);
    if (v.agc) {
        chain.setAgcHighLevel(v.agcHigh);
        chain.setAgcLowLevel(v.agcLow);
        chain.setAgcAttackTime(v.agcAttack);
    }
}
