#pragma once

#include <QString>

class AudioRecorder;

// Start-up: reads section `other` and switches the recorder's filters and gain control.
// A flag is on when its text equals 1 numerically; a missing or other flag switches its
// part off. A text that is not a number skips only its own call, so the part stays on
// with the recorder's previous value.
void applySignalSettings(const QString& settingsFile, AudioRecorder& recorder);
