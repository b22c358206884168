#pragma once

#include <QString>

// Elapsed time and playback position as minutes ":" two-digit seconds "." three-digit
// milliseconds, minutes unpadded: "2:05.040".
QString elapsedText(qint64 milliseconds);
