#pragma once

#include "engine/dsp/SoundActivation.h"

#include <QString>

// Sections `activation` and `health` of settings.dat as the recorder uses them. Reading never
// fails: a missing, empty or non-numeric text gives the default, and a number outside its
// range gives the range's nearest end, since a user who typed a value too far meant "as far
// as it goes". A flag is on when its text is 1 numerically.
struct ActivationSettings {
    struct Range {
        double min, max;
    };
    static constexpr Range kPrerecord{0, 300};
    static constexpr Range kThreshold{-80, 0};
    static constexpr Range kHold{0.5, 600};
    static constexpr Range kPreroll{0, 30};
    static constexpr Range kSilenceAlarm{0, 86400};

    // Seconds kept before Record; 0 = off.
    int prerecordSeconds = 0;
    bool enabled = false;
    double thresholdDb = -40;
    double holdSeconds = 3;
    double prerollSeconds = 1;
    // Seconds without sound before the alarm; 0 = off.
    int silenceAlarmSeconds = 60;

    SoundActivation::Parameters detectorParameters() const {
        return {thresholdDb, holdSeconds, prerollSeconds};
    }

    bool operator==(const ActivationSettings&) const = default;
    static ActivationSettings read(const QString& settingsFile);
    void write(const QString& settingsFile) const;
};
