#pragma once

#include <QString>

class SignalChain;

// Start-up: reads section `other` and switches the capture's filters and gain control.
// A flag is on when its text equals 1 numerically; a missing or other flag switches its
// part off. A text that is not a number skips only its own call, so the part stays on
// with its previous value.
void applySignalSettings(const QString& settingsFile, SignalChain& chain);

// What the settings window shows and applies for the filters and gain control. Each number
// lies in its control's range, so the stored text and the applied value always agree.
struct SignalValues {
    struct Filter {
        bool on = false;
        int hz = 0;
    };
    Filter notch{false, 50};
    Filter highPass{false, 400};
    Filter lowPass{false, 4000};
    bool agc = false;
    int agcLow = -24;
    int agcHigh = -12;
    int agcAttack = 100;

    struct Range {
        int min, max, step;
    };
    static constexpr Range kNotch{40, 200, 10};
    static constexpr Range kPass{100, 44100, 100};
    static constexpr Range kLevel{-90, 0, 1};
    static constexpr Range kAttack{50, 200, 1};
};

// Section `other` as the settings window opens it: the flags, and each number the stored
// text gives, clamped to its range; a text that is no number shows what the running
// capture uses.
SignalValues readSignalValues(const QString& settingsFile, const SignalChain& running);

// The window's OK: writes section `other` and applies it all to the running capture.
void storeSignalValues(const QString& settingsFile, const SignalValues& values, SignalChain& chain);
