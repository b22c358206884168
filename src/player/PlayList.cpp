#include "player/PlayList.h"

#include "engine/codec/CdAudio.h"

#include <QFileInfo>
#include <algorithm>

QString PlayList::stripPath(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

PlayList::Entry PlayList::entryFor(const QString& path, const QString& name) {
    return {path, name.isEmpty() ? stripPath(path) : name,
            !cdaudio::isLocator(path) && !QFileInfo(path).isFile()};
}

int PlayList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int PlayList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlayList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Entry& e = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == NameColumn ? e.name : e.path;
    case Qt::ToolTipRole:
        return e.path;
    case MissingRole:
        return e.missing;
    default:
        return {};
    }
}

int PlayList::append(const Entry& entry) {
    return append(QList<Entry>{entry});
}

int PlayList::append(const QList<Entry>& entries) {
    const int first = count();
    const int added = std::min(static_cast<int>(entries.size()), kCapacity - first);
    if (added <= 0)
        return first;
    beginInsertRows({}, first, first + added - 1);
    m_entries.append(entries.first(added));
    endInsertRows();
    return first;
}

void PlayList::remove(int row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
    if (m_current == row)
        setCurrent(-1);
    else if (m_current > row)
        setCurrent(m_current - 1);
}

bool PlayList::move(int row, int delta) {
    const int to = row + delta;
    if (row < 0 || row >= count() || to < 0 || to >= count() || (delta != 1 && delta != -1))
        return false;
    beginMoveRows({}, row, row, {}, delta > 0 ? to + 1 : to);
    m_entries.move(row, to);
    endMoveRows();
    if (m_current == row)
        setCurrent(to);
    else if (m_current == to)
        setCurrent(row);
    return true;
}

void PlayList::clear() {
    beginResetModel();
    m_entries.clear();
    endResetModel();
    setCurrent(-1);
}

void PlayList::setMissing(int row, bool missing) {
    if (row < 0 || row >= count() || m_entries[row].missing == missing)
        return;
    m_entries[row].missing = missing;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), {MissingRole});
}

void PlayList::setCurrent(int row) {
    const int r = row >= 0 && row < count() ? row : -1;
    if (r == m_current)
        return;
    m_current = r;
    Q_EMIT currentChanged(r);
}
