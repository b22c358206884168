#include "tags/clsID3v23.h"

bool clsID3v23::ReadTag() {
    const Id3v2Read read = readId3v2(m_filename);
    if (!read.opened)
        return false;
    m_fields = read.fields;
    return read.hasTag;
}

bool clsID3v23::SaveTag() {
    return writeId3v2(m_filename, m_fields);
}

bool clsID3v23::RemoveTag() {
    return removeId3v2(m_filename);
}

bool clsID3v23::HasTag() const {
    return readId3v2(m_filename).hasTag;
}

QString trimGenreReference(const QString& genre) {
    if (!genre.startsWith(QLatin1Char('(')))
        return genre;
    const qsizetype close = genre.indexOf(QLatin1Char(')'));
    return close < 0 ? genre : genre.mid(close + 1);
}
