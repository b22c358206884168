#include "tags/Id3v2Tag.h"

bool Id3v2Tag::read() {
    const Id3v2Read read = readId3v2(m_path);
    if (!read.opened)
        return false;
    m_fields = read.fields;
    m_unsaveable = read.unsaveable;
    return read.hasTag;
}

bool Id3v2Tag::save() {
    return writeId3v2(m_path, m_fields);
}

bool Id3v2Tag::remove() {
    return removeId3v2(m_path);
}

bool Id3v2Tag::hasTag() const {
    return readId3v2(m_path).hasTag;
}

QString trimGenreReference(const QString& genre) {
    if (!genre.startsWith(QLatin1Char('(')))
        return genre;
    const qsizetype close = genre.indexOf(QLatin1Char(')'));
    return close < 0 ? genre : genre.mid(close + 1);
}
