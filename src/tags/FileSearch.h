#pragma once

#include "tags/FileDetails.h"

#include <QList>
#include <QString>

// Collects the files of a folder (and optionally its subfolders) that match wildcard patterns.
class FileSearch {
public:
    // Adds the matches of every ";"-separated pattern in `patterns`, subfolders' matches first
    // when `recursive`; returns the collection's count. Patterns ignore letter case.
    int find(const QString& folder, const QString& patterns, bool recursive);

    const FileDetails& at(int index) const { return m_files.at(index); }
    int count() const { return static_cast<int>(m_files.size()); }

    QList<FileDetails>::const_iterator begin() const { return m_files.cbegin(); }
    QList<FileDetails>::const_iterator end() const { return m_files.cend(); }

private:
    QList<FileDetails> m_files;
};
