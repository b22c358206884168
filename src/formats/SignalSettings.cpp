#include "formats/SignalSettings.h"

#include "base/SettingsFile.h"
#include "engine/dsp/SignalChain.h"

#include <algorithm>
#include <cmath>

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
    const auto filter = [&](const char* flag, const char* text, SignalChain::Filter which,
                            SignalValues::Range range) {
        return SignalValues::Filter{
            flagOn(read(file, flag)),
            numberIn(read(file, text), range, static_cast<int>(std::lround(running.filterFrequency(which))))};
    };
    v.notch = filter("notch", "notchtxt", SignalChain::Notch, SignalValues::kNotch);
    v.highPass = filter("highpass", "highpasstxt", SignalChain::HighPass, SignalValues::kPass);
    v.lowPass = filter("lowpass", "lowpasstxt", SignalChain::LowPass, SignalValues::kPass);
    v.agc = flagOn(read(file, "autogain"));
    v.agcLow = numberIn(read(file, "lowlevel"), SignalValues::kLevel, running.agcLowLevel());
    v.agcHigh = numberIn(read(file, "highlevel"), SignalValues::kLevel, running.agcHighLevel());
    v.agcAttack = numberIn(read(file, "attacktime"), SignalValues::kAttack, running.agcAttackTime());
    return v;
}

void storeSignalValues(const QString& file, const SignalValues& v, SignalChain& chain) {
    const auto write = [&](const char* key, const QString& text) {
        writeSetting(file, QStringLiteral("other"), QLatin1String(key), text);
    };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    write("notch", flag(v.notch.on));
    write("notchtxt", QString::number(v.notch.hz));
    write("highpass", flag(v.highPass.on));
    write("highpasstxt", QString::number(v.highPass.hz));
    write("lowpass", flag(v.lowPass.on));
    write("lowpasstxt", QString::number(v.lowPass.hz));
    write("autogain", flag(v.agc));
    write("lowlevel", QString::number(v.agcLow));
    write("highlevel", QString::number(v.agcHigh));
    write("attacktime", QString::number(v.agcAttack));
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
