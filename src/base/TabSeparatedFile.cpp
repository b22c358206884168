#include "base/TabSeparatedFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>

namespace TabSeparatedFile {

namespace {

Result failed(const QString& what, const QFileDevice& file) {
    return {false, QStringLiteral("%1 \"%2\": %3.").arg(what, file.fileName(), file.errorString())};
}

} // namespace

Result read(const QString& path, qsizetype keptCells, std::vector<Line>& lines, const QString& failure) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(failure, file);
    const QString text = QStringDecoder(QStringConverter::System)(file.readAll());
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(text).mid(at, end - at);
        at = end +
             (end + 1 < text.size() && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n')
                  ? 2
                  : 1);
        Line read;
        for (const QStringView cell : line.tokenize(QLatin1Char('\t'))) {
            if (read.cellCount++ < keptCells)
                read.cells.push_back(cell.toString());
        }
        lines.push_back(std::move(read));
    }
    return {};
}

Result write(const QString& path, qsizetype rowCount, const std::function<QStringList(qsizetype)>& rowAt,
             const QString& failure) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(failure, file);
    QStringEncoder encode(QStringConverter::System);
    for (qsizetype r = 0; r < rowCount; ++r) {
        const QByteArray bytes = encode(rowAt(r).join(QLatin1Char('\t')) + QLatin1String("\r\n"));
        if (file.write(bytes) != bytes.size())
            return failed(failure, file);
    }
    if (!file.commit())
        return failed(failure, file);
    return {};
}

} // namespace TabSeparatedFile
