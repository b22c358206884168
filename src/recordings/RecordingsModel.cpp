#include "recordings/RecordingsModel.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>

QString sizeText(qint64 bytes, const QLocale& locale) {
    const qint64 hundredths = std::llround(static_cast<double>(bytes) * 100.0 / 1048576.0);
    QString text = QString::number(hundredths / 100) + locale.decimalPoint();
    const qint64 frac = hundredths % 100;
    if (frac % 10 != 0)
        text += QStringLiteral("%1").arg(frac, 2, 10, QLatin1Char('0'));
    else if (frac != 0)
        text += QString::number(frac / 10);
    return text + QStringLiteral("MB");
}

QString recordTimeText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when, QLocale::ShortFormat).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

RecordingsModel::RecordingsModel(QObject* parent)
    : QAbstractTableModel(parent) {}

int RecordingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RecordingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return row(index.row())[static_cast<size_t>(index.column())];
}

QVariant RecordingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const std::array<QString, ColumnCount> headers{tr("NO."), tr("File Name"), tr("Size"), tr("Duration"),
                                                   tr("Record Time")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return headers[static_cast<size_t>(section)];
}

void RecordingsModel::appendRecording(const QString& path, const QString& duration,
                                      const QDateTime& startTime) {
    const QLocale locale;
    appendRows({Row{QString::number(m_rows.size() + 1), path, sizeText(QFileInfo(path).size(), locale),
                    duration, recordTimeText(startTime, locale)}});
}

void RecordingsModel::appendRows(const std::vector<Row>& rows) {
    if (rows.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

void RecordingsModel::removeRecording(int r) {
    if (r < 0 || r >= rowCount())
        return;
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
    renumber();
}

void RecordingsModel::clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void RecordingsModel::setPath(int r, const QString& path) {
    m_rows[static_cast<size_t>(r)][FileName] = path;
    Q_EMIT dataChanged(index(r, FileName), index(r, FileName));
}

void RecordingsModel::renumber() {
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i][Number] = QString::number(i + 1);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, Number), index(rowCount() - 1, Number));
}
