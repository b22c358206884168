#pragma once

#include <QString>

class SignalChain;

// Start-up: reads section `other` and switches the capture's filters and gain control.
// A flag is on when its text equals 1 numerically; a missing or other flag switches its
// part off. A text that is not a number skips only its own call, so the part stays on
// with its previous value.
void applySignalSettings(const QString& settingsFile, SignalChain& chain);
