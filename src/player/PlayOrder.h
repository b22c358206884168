#pragma once

#include <QString>

// Which play-list entry comes next, as pure rules over an entry count.
namespace playorder {

// What happens when a track ends: the next entry, a random one, or nothing more.
enum class Mode { Normal, Shuffle, StopAtEnd };

// Next moves to the following entry, from the last (or none) to the first; -1 for an
// empty list.
int next(int current, int count);
// Previous moves to the entry before, from the first (or none) to the last.
int previous(int current, int count);
// The entry to play after `current` ended, or -1 to stop. Repeat plays `current` again;
// `random` in [0, 1) picks the shuffled entry.
int afterEnd(Mode mode, bool repeat, int current, int count, double random);

// A position as minutes ":" seconds, both at least two digits (187 s: "03:07"); a negative
// position (nothing open) shows as "00:00".
QString positionText(double seconds);

} // namespace playorder
