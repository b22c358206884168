#include "schedule/ScheduleFile.h"

#include "schedule/ScheduleModel.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace ScheduleFile {

QString path(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("schedule.dat"));
}

Result load(const QString& path, ScheduleModel& list) {
    list.clear();
    if (QFile file(path); !file.exists()) {
        if (!file.open(QIODevice::WriteOnly))
            return {false,
                    QStringLiteral("Cannot create the schedule \"%1\": %2.").arg(path, file.errorString())};
        return {};
    }
    std::vector<TabSeparatedFile::Line> lines;
    const Result read = TabSeparatedFile::read(path, ScheduleModel::ColumnCount, lines,
                                               QStringLiteral("Cannot read the schedule"));
    if (!read.ok)
        return read;
    std::vector<ScheduleModel::Row> rows;
    rows.reserve(lines.size());
    for (const TabSeparatedFile::Line& line : lines) {
        ScheduleModel::Row row;
        std::copy(line.cells.begin(), line.cells.end(), row.begin());
        rows.push_back(std::move(row));
    }
    list.setRows(std::move(rows));
    return {};
}

Result save(const QString& path, const ScheduleModel& list) {
    return TabSeparatedFile::write(
        path, list.rowCount(),
        [&list](qsizetype r) {
            QStringList cells;
            for (const QString& cell : list.row(static_cast<int>(r)))
                cells.push_back(ScheduleModel::cellText(cell));
            return cells;
        },
        QStringLiteral("Cannot save the schedule"));
}

} // namespace ScheduleFile
