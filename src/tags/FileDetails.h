#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// What the system reports about one file path: attributes, size and times.
class FileDetails {
public:
    // Attribute bits as the editor knows them.
    static constexpr std::uint32_t kReadOnly = 0x1;
    static constexpr std::uint32_t kHidden = 0x2;
    static constexpr std::uint32_t kDirectory = 0x10;
    static constexpr std::uint32_t kNormal = 0x80;

    FileDetails() = default;
    explicit FileDetails(const QString& path) { setSFilename(path); }

    const QString& sFilename() const { return m_filename; }
    void setSFilename(const QString& path);
    // Re-reads the information; a file that cannot be read keeps the previous values.
    void RefreshInfo();

    std::uint32_t eFileAttributes() const { return m_attributes; }
    // Applies the read-only bit to the file and stores the attributes.
    void setEFileAttributes(std::uint32_t attributes);
    qint64 lSize() const { return m_size; }
    // Local times to whole seconds; invalid for a file never read.
    QDateTime dCreationTime() const { return m_created; }
    QDateTime dLastAccessTime() const { return m_accessed; }
    QDateTime dLastWriteTime() const { return m_written; }

    QString sName() const;
    QString sExtension() const;
    QString sNameAndExtension() const;

private:
    QString m_filename;
    std::uint32_t m_attributes = 0;
    qint64 m_size = 0;
    QDateTime m_created;
    QDateTime m_accessed;
    QDateTime m_written;
};
