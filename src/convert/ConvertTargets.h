#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The three formats the converter writes, and how their files are named.
namespace convert {

// In the order the jobs of one input run and are logged.
enum class Target { Wma, Mp3, Ogg };
inline constexpr std::array kTargets{Target::Wma, Target::Mp3, Target::Ogg};

// "WMA", "MP3", "Ogg": the word the event log uses.
QString targetName(Target target);

// The folder of `input` with its separator, then the file name up to its first dot;
// nothing when the file name holds no dot.
std::optional<QString> outputBase(const QString& input);

// base_128kbps.mp3, base.ogg, base_24.wma.
QString outputPath(const QString& base, Target target, int mp3Kbps, int wmaProfile);

// True when both paths name the same existing file, however they are spelled
// (relative, through links, with dots or hard links).
bool sameFile(const QString& a, const QString& b);

// The input box holds one path as typed, or several as "a" "b" the way a file dialog
// with a multiple choice shows them.
QStringList parseInputList(const QString& text);
QString inputListText(const QStringList& paths);

} // namespace convert
