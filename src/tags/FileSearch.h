#pragma once

#include "tags/FileDetails.h"

#include <QList>
#include <QString>

// Collects the files of a folder (and optionally its subfolders) that match wildcard patterns.
class FileSearch {
public:
    // Adds the matches of every ";"-separated pattern in `sFindSpec`, subfolders' matches first
    // when `bRecursive`; returns the collection's count. Patterns ignore letter case.
    int Find(const QString& sFindPath, const QString& sFindSpec, bool bRecursive);

    // 1-based position, as the editor addresses entries.
    const FileDetails& Item(int index) const { return m_files.at(index - 1); }
    int Count() const { return static_cast<int>(m_files.size()); }
    void Remove(int index) { m_files.removeAt(index - 1); }
    void Clear() { m_files.clear(); }

    QList<FileDetails>::const_iterator begin() const { return m_files.cbegin(); }
    QList<FileDetails>::const_iterator end() const { return m_files.cend(); }

private:
    QList<FileDetails> m_files;
};
