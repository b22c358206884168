#include "recordings/ProjectFile.h"

#include "recordings/RecordingsModel.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>

namespace ProjectFile {

namespace {

Result failure(const QString& what, const QFileDevice& file) {
    return {false, QStringLiteral("%1 \"%2\": %3.").arg(what, file.fileName(), file.errorString())};
}

} // namespace

Result save(const QString& path, const RecordingsModel& list) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("Cannot save the recording project"), file);
    QStringEncoder encode(QStringConverter::System);
    QString line;
    for (int r = 0; r < list.rowCount(); ++r) {
        const RecordingsModel::Row& row = list.row(r);
        line = row[0];
        for (size_t c = 1; c < row.size(); ++c)
            line += QLatin1Char('\t') + row[c];
        line += QLatin1String("\r\n");
        const QByteArray bytes = encode(line);
        if (file.write(bytes) != bytes.size())
            return failure(QStringLiteral("Cannot save the recording project"), file);
    }
    if (!file.commit())
        return failure(QStringLiteral("Cannot save the recording project"), file);
    return {};
}

Result open(const QString& path, RecordingsModel& list) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Cannot open the recording project"), file);
    const QString text = QStringDecoder(QStringConverter::System)(file.readAll());
    std::vector<RecordingsModel::Row> rows;
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
        RecordingsModel::Row row;
        qsizetype fields = 0;
        for (const QStringView field : line.tokenize(QLatin1Char('\t'))) {
            if (fields < static_cast<qsizetype>(row.size()))
                row[static_cast<size_t>(fields)] = field.toString();
            ++fields;
        }
        rows.push_back(std::move(row));
        if (fields < static_cast<qsizetype>(RecordingsModel::ColumnCount))
            break;
    }
    list.appendRows(rows);
    return {};
}

} // namespace ProjectFile
