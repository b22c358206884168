#include "tags/FileDetails.h"

#include <QFile>
#include <QFileInfo>

namespace {

QDateTime wholeSeconds(const QDateTime& t) {
    return t.isValid() ? QDateTime::fromSecsSinceEpoch(t.toSecsSinceEpoch()) : t;
}

} // namespace

void FileDetails::setPath(const QString& path) {
    m_path = path;
    refresh();
}

void FileDetails::refresh() {
    QFileInfo info(m_path);
    if (!info.exists())
        return;
    std::uint32_t attributes = 0;
    if (!info.isWritable())
        attributes |= kReadOnly;
    if (info.isHidden())
        attributes |= kHidden;
    if (info.isDir())
        attributes |= kDirectory;
    m_attributes = attributes ? attributes : kNormal;
    m_sizeBytes = info.isFile() ? info.size() : 0;
    // File systems without a birth time give the last status change instead.
    const QDateTime birth = info.birthTime();
    m_created = wholeSeconds(birth.isValid() ? birth : info.metadataChangeTime());
    m_lastRead = wholeSeconds(info.lastRead());
    m_lastModified = wholeSeconds(info.lastModified());
}

void FileDetails::setAttributes(std::uint32_t attributes) {
    QFile file(m_path);
    QFile::Permissions perms = file.permissions();
    if (attributes & kReadOnly)
        perms &= ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther);
    else
        perms |= QFile::WriteOwner | QFile::WriteUser;
    file.setPermissions(perms);
    m_attributes = attributes;
}
