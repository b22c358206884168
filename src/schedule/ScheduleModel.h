#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <array>
#include <optional>
#include <vector>

// The schedule list: five text cells per row, "Start time", "Stop time", "File",
// "Status", "Comment". The date-time cells are text in the locale's form; their
// readings are kept, so a tick over a long list does not read every text again.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { StartTime, StopTime, File, Status, Comment, ColumnCount };
    using Row = std::array<QString, ColumnCount>;

    static const QString kWaiting;
    static const QString kRecording;
    static const QString kDone;
    static const QString kMissed;

    explicit ScheduleModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Row& row(int r) const { return m_rows[static_cast<size_t>(r)].cells; }

    // A new "Waiting" entry. The comment loses its TABs and line breaks, which the
    // schedule file cannot hold: each becomes a space.
    void appendEntry(const QString& start, const QString& stop, const QString& comment);
    void setRows(std::vector<Row> rows);
    void removeEntry(int r);
    void clear();
    void setStatus(int r, const QString& status) { setCell(r, Status, status); }
    void setFile(int r, const QString& path) { setCell(r, File, path); }

    // The start and stop as wall-clock seconds; nothing when the text names no time.
    std::optional<qint64> startSeconds(int r) const;
    std::optional<qint64> stopSeconds(int r) const;

    // `text` with every TAB, CR and LF turned into a space.
    static QString cellText(QString text);

private:
    struct Entry {
        explicit Entry(Row r)
            : cells(std::move(r)) {}
        Row cells;
        bool read = false;
        std::optional<qint64> start;
        std::optional<qint64> stop;
    };
    const Entry& readTimes(int r) const;
    void setCell(int r, Column column, const QString& text);

    mutable std::vector<Entry> m_rows;
    QLocale m_locale;
};
