#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QStringList>
#include <array>

// Size in mebibytes as "0.##" with the locale's decimal separator always written,
// followed by "MB": 1.5MB, 1.MB, 0.01MB.
QString sizeText(qint64 bytes, const QLocale& locale);
// The start time as the locale's short date and time, never holding a tab.
QString recordTimeText(const QDateTime& when, const QLocale& locale);

// The recordings list: five text cells per row, "NO.", "File Name", "Size",
// "Duration", "Record Time". Column 1 (the path) is the key of a row.
class RecordingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, FileName, Size, Duration, RecordTime, ColumnCount };
    using Row = std::array<QString, ColumnCount>;

    explicit RecordingsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Row& row(int r) const { return m_rows[static_cast<size_t>(r)]; }
    QString path(int r) const { return row(r)[FileName]; }

    // Adds a finished recording: number = rows + 1, size read from the file now.
    void appendRecording(const QString& path, const QString& duration, const QDateTime& startTime);
    // Adds rows as they are (numbers kept until the next renumbering).
    void appendRows(const std::vector<Row>& rows);
    void removeRecording(int r);
    void clear();
    void setPath(int r, const QString& path);

private:
    void renumber();

    std::vector<Row> m_rows;
};
