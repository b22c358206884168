#include "tags/TagFileModel.h"

#include "tags/FileDetails.h"
#include "tags/TagText.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

TagFileModel::TagFileModel(QObject* parent)
    : QAbstractTableModel(parent) {
    connect(&m_scan, &QFutureWatcherBase::progressValueChanged, this,
            [this](int done) { Q_EMIT scanProgress(done, m_scan.progressMaximum()); });
    connect(&m_scan, &QFutureWatcherBase::finished, this, &TagFileModel::takeScannedRows);
}

// A scan still reading stops after its current file; nobody waits for it.
TagFileModel::~TagFileModel() {
    m_scan.cancel();
}

int TagFileModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TagFileModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TagFileModel::cellText(const Row& row, int column) const {
    switch (column) {
    case Filename:
        return pathParts(row.entry.path, kPathName);
    case Tags:
        return tagsText(row.entry);
    case Size:
        return sizeKbText(row.size);
    case Date:
        return dateText(row.written);
    }
    return {};
}

QVariant TagFileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return cellText(row, index.column());
    if (role == Qt::CheckStateRole && index.column() == Filename)
        return row.checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ToolTipRole)
        return row.notSaved.isEmpty() ? row.entry.path
                                      : tr("%1\nNot saved: %2").arg(row.entry.path, row.notSaved);
    return {};
}

QVariant TagFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Filename:
        return tr("Filename");
    case Tags:
        return tr("Tags");
    case Size:
        return tr("Size");
    case Date:
        return tr("Date");
    }
    return {};
}

Qt::ItemFlags TagFileModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Filename)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool TagFileModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != Filename)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

void TagFileModel::setChecked(int row, bool checked) {
    m_rows[static_cast<std::size_t>(row)].checked = checked;
    const QModelIndex cell = index(row, Filename);
    Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole});
}

void TagFileModel::setAllChecked(bool checked) {
    for (Row& row : m_rows)
        row.checked = checked;
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, Filename), index(rowCount() - 1, Filename), {Qt::CheckStateRole});
}

int TagFileModel::checkedCount() const {
    return static_cast<int>(
        std::count_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.checked; }));
}

void TagFileModel::refreshFileInfo(Row& row) {
    const FileDetails file(row.entry.path);
    row.size = file.sizeBytes();
    row.written = file.lastModified();
}

void TagFileModel::showFolder(const QString& folder) {
    m_scan.cancel();
    beginResetModel();
    m_rows.clear();
    endResetModel();
    m_scan.setFuture(QtConcurrent::run([folder](QPromise<Rows>& promise) {
        Rows rows;
        const QList<FileEntry> entries = scanFolder(folder, [&](int i, int n) {
            promise.setProgressRange(0, n);
            promise.setProgressValue(i);
            return !promise.isCanceled();
        });
        rows.reserve(static_cast<std::size_t>(entries.size()));
        for (const FileEntry& entry : entries) {
            Row row;
            row.entry = entry;
            refreshFileInfo(row);
            rows.push_back(std::move(row));
        }
        promise.addResult(std::move(rows));
    }));
}

void TagFileModel::takeScannedRows() {
    if (m_scan.isCanceled() || m_scan.future().resultCount() == 0)
        return;
    beginResetModel();
    m_rows = m_scan.future().takeResult();
    endResetModel();
    Q_EMIT scanFinished();
}

PageView TagFileModel::pageView(int selectedRow) const {
    if (checkedCount() > 1) {
        QList<const FileEntry*> checked;
        for (const Row& row : m_rows) {
            if (row.checked)
                checked.append(&row.entry);
        }
        return combinedView(checked);
    }
    if (selectedRow < 0 || selectedRow >= rowCount())
        return {};
    return entryView(entry(selectedRow));
}

SaveReport TagFileModel::save(int selectedRow, const TagPages& pages, const BatchOptions& options,
                              const std::function<void(int, int)>& progress) {
    std::vector<int> targets;
    for (int r = 0; r < rowCount(); ++r) {
        if (m_rows[static_cast<std::size_t>(r)].checked)
            targets.push_back(r);
    }
    if (targets.empty() && selectedRow >= 0 && selectedRow < rowCount())
        targets.push_back(selectedRow);
    QList<FileEntry*> entries;
    for (int r : targets)
        entries.append(&m_rows[static_cast<std::size_t>(r)].entry);
    const SaveReport report = saveEntries(entries, pages, options, progress);
    for (int r : targets) {
        Row& row = m_rows[static_cast<std::size_t>(r)];
        const auto failure = std::find_if(report.failed.begin(), report.failed.end(),
                                          [&](const SaveFailure& f) { return f.path == row.entry.path; });
        row.notSaved = failure == report.failed.end() ? QString() : failure->reason;
        refreshFileInfo(row);
        Q_EMIT dataChanged(index(r, 0), index(r, ColumnCount - 1), {Qt::DisplayRole});
    }
    return report;
}

QString TagFileModel::longestText(int column) const {
    QString longest;
    for (const Row& row : m_rows) {
        const QString text = cellText(row, column);
        if (text.size() > longest.size())
            longest = text;
    }
    return longest;
}
