#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The audio player's play list: the names shown (column 0) and the paths they stand for
// (column 1), entry i of one belonging to entry i of the other. Entries whose file is
// missing stay in the list, marked so the view can grey them.
class PlayList : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Entry {
        QString path;
        QString name;
        bool missing = false;
    };
    enum Column { NameColumn, PathColumn, ColumnCount };
    // True for an entry whose file could not be found.
    static constexpr int MissingRole = Qt::UserRole + 1;
    // The most entries a list holds, so that a huge list file cannot take the memory.
    static constexpr int kCapacity = 100000;

    using QAbstractTableModel::QAbstractTableModel;

    // The text after the last path separator, or all of it.
    static QString stripPath(const QString& path);
    // An entry for `path`, named after its file unless `name` is given; marked missing
    // when it names no file (CD tracks count as present).
    static Entry entryFor(const QString& path, const QString& name = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_entries.size()); }
    const Entry& entry(int row) const { return m_entries.at(row); }
    const QList<Entry>& entries() const { return m_entries; }
    // Appends at the end, as many as the capacity leaves room for, and returns the first
    // new row.
    int append(const Entry& entry);
    int append(const QList<Entry>& entries);
    void remove(int row);
    // Swaps `row` with its neighbour `delta` (-1 or 1) away; false at the ends.
    bool move(int row, int delta);
    void clear();
    void setMissing(int row, bool missing);

    // The selected entry, -1 for none.
    int current() const { return m_current; }
    void setCurrent(int row);

Q_SIGNALS:
    void currentChanged(int row);

private:
    QList<Entry> m_entries;
    int m_current = -1;
};
