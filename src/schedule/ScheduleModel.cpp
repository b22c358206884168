#include "schedule/ScheduleModel.h"

#include "schedule/ScheduleTime.h"

const QString ScheduleModel::kWaiting = QStringLiteral(QT_TRANSLATE_NOOP("ScheduleModel", "Waiting"));
const QString ScheduleModel::kRecording = QStringLiteral(QT_TRANSLATE_NOOP("ScheduleModel", "Recording"));
const QString ScheduleModel::kDone = QStringLiteral(QT_TRANSLATE_NOOP("ScheduleModel", "Done"));
const QString ScheduleModel::kMissed = QStringLiteral(QT_TRANSLATE_NOOP("ScheduleModel", "Missed"));

ScheduleModel::ScheduleModel(QObject* parent)
    : QAbstractTableModel(parent) {}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QString& text = row(index.row())[static_cast<size_t>(index.column())];
    // The file keeps the status in English; only the list shows it translated.
    return index.column() == Status ? tr(text.toUtf8().constData()) : text;
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const std::array<QString, ColumnCount> headers{tr("Start time"), tr("Stop time"), tr("File"),
                                                   tr("Status"), tr("Comment")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return headers[static_cast<size_t>(section)];
}

QString ScheduleModel::cellText(QString text) {
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}

void ScheduleModel::appendEntry(const QString& start, const QString& stop, const QString& comment) {
    const int r = rowCount();
    beginInsertRows({}, r, r);
    m_rows.emplace_back(Row{start, stop, QString(), kWaiting, cellText(comment)});
    endInsertRows();
}

void ScheduleModel::setRows(std::vector<Row> rows) {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (Row& r : rows)
        m_rows.emplace_back(std::move(r));
    endResetModel();
}

void ScheduleModel::removeEntry(int r) {
    if (r < 0 || r >= rowCount())
        return;
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
}

void ScheduleModel::clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ScheduleModel::setCell(int r, Column column, const QString& text) {
    m_rows[static_cast<size_t>(r)].cells[column] = text;
    const QModelIndex cell = index(r, column);
    Q_EMIT dataChanged(cell, cell);
}

const ScheduleModel::Entry& ScheduleModel::readTimes(int r) const {
    Entry& e = m_rows[static_cast<size_t>(r)];
    if (!e.read) {
        e.start = ScheduleTime::seconds(e.cells[StartTime], m_locale);
        e.stop = ScheduleTime::seconds(e.cells[StopTime], m_locale);
        e.read = true;
    }
    return e;
}

std::optional<qint64> ScheduleModel::startSeconds(int r) const {
    return readTimes(r).start;
}

std::optional<qint64> ScheduleModel::stopSeconds(int r) const {
    return readTimes(r).stop;
}
