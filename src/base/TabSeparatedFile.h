#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <vector>

// Text files of rows in the locale's encoding, one row per line ended by CR LF, its cells
// separated by TABs: the recording projects and the schedule.
namespace TabSeparatedFile {

struct Result {
    bool ok = true;
    // Why it failed, for the user.
    QString error;
    // The reading stopped at the most lines asked for; the file holds more.
    bool cut = false;
};

struct Line {
    // The line's first cells, as many as were asked for.
    QStringList cells;
    // How many cells the line had.
    qsizetype cellCount = 0;
};

// No real row is this long: the rest of a longer line is skipped.
constexpr qsizetype kLongestLine = 64 * 1024;

// Told the bytes read so far and the file's size, now and then.
using Progress = std::function<void(qint64 done, qint64 total)>;

// What a reader keeps: empty lines or not, and at most how many lines (then Result::cut).
struct Keep {
    bool emptyLines = true;
    qsizetype mostLines = std::numeric_limits<qsizetype>::max();
};

// Reads every line, in time linear in the file's size; a lone CR or LF from other editors
// also ends one. `failure` names what could not be read ("Cannot read the schedule"). Safe
// on any thread.
Result read(const QString& path, qsizetype keptCells, std::vector<Line>& lines, const QString& failure,
            const Progress& progress = {}, const Keep& keep = {});

// Writes `rowCount` rows beside the file and renames it into place, so that a crash leaves
// the old file or the new one, never a part.
Result write(const QString& path, qsizetype rowCount, const std::function<QStringList(qsizetype)>& rowAt,
             const QString& failure);

} // namespace TabSeparatedFile
