#pragma once

#include "tags/TagBatch.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QFutureWatcher>
#include <vector>

// The tag editor's file list: one checkable row per MP3 file of a folder, with the columns
// "Filename", "Tags", "Size" and "Date", over the file entries the pages edit.
class TagFileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Filename, Tags, Size, Date, ColumnCount };

    explicit TagFileModel(QObject* parent = nullptr);
    ~TagFileModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Empties the list and lists the folder's "*.mp3" files with their tags once they are
    // read off this thread, so that a slow folder never freezes a window: scanProgress(i, n)
    // while it runs, scanFinished() when the rows are there. A new scan ends the running one.
    void showFolder(const QString& folder);
    bool isScanning() const { return m_scan.isRunning(); }

    const FileEntry& entry(int row) const { return m_rows[static_cast<std::size_t>(row)].entry; }
    bool isChecked(int row) const { return m_rows[static_cast<std::size_t>(row)].checked; }
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    int checkedCount() const;

    // What the pages show: the combined values of the checked rows when more than one is
    // checked, else the values of `selectedRow`.
    PageView pageView(int selectedRow) const;

    // Saves into every checked row when more than one is checked, else into the first checked
    // row or, with none checked, `selectedRow`; then refreshes the saved rows. A row whose file
    // was left as it was says why in its tool tip.
    SaveReport save(int selectedRow, const TagPages& pages, const BatchOptions& options,
                    const std::function<void(int, int)>& progress = {});

    // The longest text of each column (by characters), which the list sizes its columns to.
    QString longestText(int column) const;

Q_SIGNALS:
    void scanProgress(int done, int total);
    void scanFinished();

private:
    struct Row {
        FileEntry entry;
        qint64 size = 0;
        QDateTime written;
        bool checked = false;
        QString notSaved; // why the last save left the file as it was
    };
    using Rows = std::vector<Row>;
    QString cellText(const Row& row, int column) const;
    static void refreshFileInfo(Row& row);
    void takeScannedRows();

    Rows m_rows;
    QFutureWatcher<Rows> m_scan;
};
