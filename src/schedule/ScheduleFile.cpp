#include "schedule/ScheduleFile.h"

#include "schedule/ScheduleModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace ScheduleFile {

QString path(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("schedule.dat"));
}

QString wholeCopyPath(const QString& path) {
    return path + QStringLiteral(".whole");
}

Result load(const QString& path, ScheduleModel& list) {
    list.clear();
    if (QFile file(path); !file.exists()) {
        if (!file.open(QIODevice::WriteOnly))
            return {false,
                    QCoreApplication::translate("ScheduleFile", "Cannot create the schedule \"%1\": %2.")
                        .arg(path, file.errorString())};
        return {};
    }
    std::vector<TabSeparatedFile::Line> lines;
    const Result read =
        TabSeparatedFile::read(path, ScheduleModel::ColumnCount, lines,
                               QCoreApplication::translate("ScheduleFile", "Cannot read the schedule"), {},
                               {.emptyLines = false, .mostLines = kMostEntries});
    if (!read.ok)
        return read;
    if (read.cut) {
        QFile::remove(wholeCopyPath(path));
        QFile::copy(path, wholeCopyPath(path));
    }
    std::vector<ScheduleModel::Row> rows;
    rows.reserve(lines.size());
    for (const TabSeparatedFile::Line& line : lines) {
        ScheduleModel::Row row;
        std::copy(line.cells.begin(), line.cells.end(), row.begin());
        if (row[ScheduleModel::Status] == ScheduleModel::kRecording)
            row[ScheduleModel::Status] = ScheduleModel::kDone;
        rows.push_back(std::move(row));
    }
    list.setRows(std::move(rows));
    return read;
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
        QCoreApplication::translate("ScheduleFile", "Cannot save the schedule"));
}

} // namespace ScheduleFile
