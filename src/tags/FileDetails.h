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
    explicit FileDetails(const QString& path) { setPath(path); }

    const QString& path() const { return m_path; }
    void setPath(const QString& path);
    // Re-reads the information; a file that cannot be read keeps the previous values.
    void refresh();

    std::uint32_t attributes() const { return m_attributes; }
    // Applies the read-only bit to the file and stores the attributes.
    void setAttributes(std::uint32_t attributes);
    qint64 sizeBytes() const { return m_sizeBytes; }
    // Local times to whole seconds; invalid for a file never read.
    QDateTime created() const { return m_created; }
    QDateTime lastRead() const { return m_lastRead; }
    QDateTime lastModified() const { return m_lastModified; }

private:
    QString m_path;
    std::uint32_t m_attributes = 0;
    qint64 m_sizeBytes = 0;
    QDateTime m_created;
    QDateTime m_lastRead;
    QDateTime m_lastModified;
};
