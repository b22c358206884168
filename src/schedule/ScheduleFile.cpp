#include "schedule/ScheduleFile.h"

#include "schedule/ScheduleModel.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringConverter>

namespace ScheduleFile {

namespace {

Result failure(const QString& what, const QFileDevice& file) {
    return {false, QStringLiteral("%1 \"%2\": %3.").arg(what, file.fileName(), file.errorString())};
}

} // namespace

QString path(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("schedule.dat"));
}

Result load(const QString& path, ScheduleModel& list) {
    list.clear();
    QFile file(path);
    if (!file.exists()) {
        if (!file.open(QIODevice::WriteOnly))
            return failure(QStringLiteral("Cannot create the schedule"), file);
        return {};
    }
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Cannot read the schedule"), file);
    const QString text = QStringDecoder(QStringConverter::System)(file.readAll());
    std::vector<ScheduleModel::Row> rows;
    qsizetype at = 0;
    while (at < text.size()) {
        // A line ends at CR LF, or at a lone CR or LF from other editors.
        qsizetype end = at;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(text).mid(at, end - at);
        at = end +
             (end + 1 < text.size() && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n')
                  ? 2
                  : 1);
        ScheduleModel::Row row;
        size_t field = 0;
        for (const QStringView cell : line.tokenize(QLatin1Char('\t'))) {
            if (field == row.size())
                break;
            row[field++] = cell.toString();
        }
        rows.push_back(std::move(row));
    }
    list.setRows(std::move(rows));
    return {};
}

Result save(const QString& path, const ScheduleModel& list) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("Cannot save the schedule"), file);
    QStringEncoder encode(QStringConverter::System);
    QString line;
    for (int r = 0; r < list.rowCount(); ++r) {
        const ScheduleModel::Row& row = list.row(r);
        line = ScheduleModel::cellText(row[0]);
        for (size_t c = 1; c < row.size(); ++c)
            line += QLatin1Char('\t') + ScheduleModel::cellText(row[c]);
        line += QLatin1String("\r\n");
        const QByteArray bytes = encode(line);
        if (file.write(bytes) != bytes.size())
            return failure(QStringLiteral("Cannot save the schedule"), file);
    }
    if (!file.commit())
        return failure(QStringLiteral("Cannot save the schedule"), file);
    return {};
}

} // namespace ScheduleFile
