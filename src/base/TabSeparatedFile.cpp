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

Result read(const QString& path, qsizetype keptCells, std::vector<Line>& lines, const QString& failure,
            const Progress& progress, const Keep& keep) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(failure, file);
    const qint64 total = file.size();
    constexpr qint64 kChunkBytes = 1024 * 1024;
    QStringDecoder decode(QStringConverter::System);
    // The text of the line being read, and whether the rest of an overlong line is skipped.
    QString line;
    bool skipping = false;
    bool afterCr = false;
    Result result;
    const auto endLine = [&] {
        if (line.isEmpty() && !skipping && !keep.emptyLines)
            return;
        if (static_cast<qsizetype>(lines.size()) >= keep.mostLines) {
            result.cut = true;
            return;
        }
        Line read;
        for (const QStringView cell : QStringView(line).tokenize(QLatin1Char('\t'))) {
            if (read.cellCount++ < keptCells)
                read.cells.push_back(cell.toString());
        }
        lines.push_back(std::move(read));
        line.clear();
        skipping = false;
    };
    for (qint64 done = 0; !result.cut;) {
        const QByteArray bytes = file.read(kChunkBytes);
        if (bytes.isEmpty())
            break;
        done += bytes.size();
        const QString text = decode(bytes);
        qsizetype at = 0;
        while (at < text.size() && !result.cut) {
            // A line ends at CR LF, or at a lone CR or LF from other editors.
            if (afterCr && text[at] == QLatin1Char('\n')) {
                afterCr = false;
                ++at;
                continue;
            }
            afterCr = false;
            qsizetype end = at;
            while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
                ++end;
            if (!skipping) {
                line += QStringView(text).mid(at, std::min(end - at, kLongestLine - line.size()));
                skipping = line.size() >= kLongestLine;
            }
            if (end == text.size())
                break;
            afterCr = text[end] == QLatin1Char('\r');
            endLine();
            at = end + 1;
        }
        if (progress)
            progress(done, total);
    }
    if (!line.isEmpty() || skipping)
        endLine();
    return result;
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
