#include "recordings/ProjectFile.h"

#include "recordings/RecordingsModel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace ProjectFile {

QString withExtension(const QString& typed) {
    return QFileInfo(typed).suffix().isEmpty() ? typed + QStringLiteral(".rpf") : typed;
}

Result save(const QString& path, const RecordingsModel& list) {
    return TabSeparatedFile::write(
        path, list.rowCount(),
        [&list](qsizetype r) {
            const RecordingsModel::Row& row = list.row(static_cast<int>(r));
            return QStringList(row.begin(), row.end());
        },
        QCoreApplication::translate("ProjectFile", "Cannot save the recording project"));
}

Result read(const QString& path, std::vector<RecordingsModel::Row>& rows,
            const TabSeparatedFile::Progress& progress) {
    std::vector<TabSeparatedFile::Line> lines;
    const Result read = TabSeparatedFile::read(
        path, RecordingsModel::ColumnCount, lines,
        QCoreApplication::translate("ProjectFile", "Cannot open the recording project"), progress);
    if (!read.ok)
        return read;
    for (const TabSeparatedFile::Line& line : lines) {
        RecordingsModel::Row row;
        std::copy(line.cells.begin(), line.cells.end(), row.begin());
        rows.push_back(std::move(row));
        if (line.cellCount < static_cast<qsizetype>(RecordingsModel::ColumnCount))
            break;
    }
    return {};
}

Result open(const QString& path, RecordingsModel& list, const PercentDone& percent) {
    std::vector<RecordingsModel::Row> rows;
    const Result result = readOffThread(
        [&path, &rows](const TabSeparatedFile::Progress& progress) { return read(path, rows, progress); },
        percent);
    if (result.ok)
        list.appendRows(rows);
    return result;
}

} // namespace ProjectFile
