#include "tags/FileDetails.h"

#include "tags/TagText.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

QDateTime wholeSeconds(const QDateTime& t) {
    return t.isValid() ? QDateTime::fromSecsSinceEpoch(t.toSecsSinceEpoch()) : t;
}

} // namespace

void FileDetails::setSFilename(const QString& path) {
    m_filename = path;
    RefreshInfo();
}

void FileDetails::RefreshInfo() {
    QFileInfo info(m_filename);
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
    m_size = info.isFile() ? info.size() : 0;
    // File systems without a birth time give the last status change instead.
    const QDateTime birth = info.birthTime();
    m_created = wholeSeconds(birth.isValid() ? birth : info.metadataChangeTime());
    m_accessed = wholeSeconds(info.lastRead());
    m_written = wholeSeconds(info.lastModified());
}

void FileDetails::setEFileAttributes(std::uint32_t attributes) {
    QFile file(m_filename);
    QFile::Permissions perms = file.permissions();
    if (attributes & kReadOnly)
        perms &= ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther);
    else
        perms |= QFile::WriteOwner | QFile::WriteUser;
    file.setPermissions(perms);
    m_attributes = attributes;
}

QString FileDetails::sName() const {
    return PathPart(m_filename, kPathName);
}

QString FileDetails::sExtension() const {
    return PathPart(m_filename, kPathExtension);
}

QString FileDetails::sNameAndExtension() const {
    return PathPart(m_filename, kPathName | kPathExtension);
}
