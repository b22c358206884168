#include "tags/Id3v2Tag.h"

bool Id3v2Tag::ReadTag() {
    const Id3v2Read read = readId3v2(m_filename);
    if (!read.opened)
        return false;
    m_fields = read.fields;
    return read.hasTag;
}

bool Id3v2Tag::SaveTag() {
    return writeId3v2(m_filename, m_fields);
}

bool Id3v2Tag::RemoveTag() {
    return removeId3v2(m_filename);
}

bool Id3v2Tag::HasTag() const {
    return readId3v2(m_filename).hasTag;
}

QString trimGenreReference(const QString& genre) {
    if (!genre.startsWith(QLatin1Char('(')))
        return genre;
    const qsizetype close = genre.indexOf(QLatin1Char(')'));
    return close < 0 ? genre : genre.mid(close + 1);
}
