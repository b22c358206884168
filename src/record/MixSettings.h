#pragma once

#include "engine/pulse/SourceMix.h"

#include <QString>

// Section `mix` of settings.dat. Reading never fails: an unknown layout is "Mixed", a missing
// or unreadable level is 100 and one out of range the range's nearest end; empty names are
// skipped.
SourceMix readSourceMix(const QString& settingsFile);
void writeSourceMix(const QString& settingsFile, const SourceMix& mix);
