#include "tags/Id3v1Tag.h"

#include "tags/TagFile.h"
#include "tags/TagText.h"

#include <QStringList>
#include <cstring>

namespace {

const QStringList& genreTable() {
    static const QStringList table =
        QStringLiteral(
            "Blues|Classic Rock|Country|Dance|Disco|Funk|Grunge|Hip-Hop|Jazz|Metal|New Age|Oldies|Other|Pop|"
            "R&B|Rap|Reggae|Rock|Techno|Industrial|Alternative|Ska|Death Metal|Pranks|Soundtrack|Euro-Techno|"
            "Ambient|Trip Hop|Vocal|Jazz+Funk|Fusion|Trance|Classical|Instrumental|Acid|House|Game|Sound "
            "Clip|"
            "Gospel|Noise|Alt. Rock|Bass|Soul|Punk|Space|Meditative|Instrumental Pop|Instrumental "
            "Rock|Ethnic|"
            "Gothic|Darkwave|Techno-Industrial|Electronic|Pop-Folk|Eurodance|Dream|Southern Rock|Comedy|Cult|"
            "Gangsta Rap|Top 40|Christian Rap|Pop/Punk|Jungle|Native American|Cabaret|New Wave|Phychedelic|"
            "Rave|Showtunes|Trailer|Lo-Fi|Tribal|Acid Punk|Acid Jazz|Polka|Retro|Musical|Rock & Roll|"
            "Hard Rock|Folk|Folk/Rock|National Folk|Swing|Fast-Fusion|Bebob|Latin|Revival|Celtic|Blue Grass|"
            "Avantegarde|Gothic Rock|Progressive Rock|Psychedelic Rock|Symphonic Rock|Slow Rock|Big Band|"
            "Chorus|Easy Listening|Acoustic|Humour|Speech|Chanson|Opera|Chamber Music|Sonata|Symphony|"
            "Booty Bass|Primus|Porn Groove|Satire|Slow Jam|Club|Tango|Samba|Folklore|Ballad|power Ballad|"
            "Rhythmic Soul|Freestyle|Duet|Punk Rock|Drum Solo|A Capella|Euro-House|Dance Hall|Goa|"
            "Drum & Bass|Club-House|Hardcore|Terror|indie|Brit Pop|Afro-Punk|Polsk Punk|Beat|"
            "Christian Gangsta Rap|Heavy Metal|Black Metal|Crossover|Comteporary Christian|Christian Rock|"
            "Merengue|Salsa|Trash Metal|Anime|JPop|Synth Pop")
            .split(QLatin1Char('|'));
    return table;
}

QString latin1(const std::uint8_t* bytes, int count) {
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes), count);
}

} // namespace

QString Id3v1Tag::genreName(std::uint8_t genre) {
    return genre < genreTable().size() ? genreTable().at(genre) : QString();
}

QString Id3v1Tag::textField(int offset, int width) const {
    return textBeforeNul(trimBlanks(latin1(m_record.data() + offset, width)));
}

void Id3v1Tag::setTextField(int offset, int width, const QString& value) {
    const QByteArray bytes = toLatin1Lossy(value).left(width);
    std::memset(m_record.data() + offset, ' ', static_cast<std::size_t>(width));
    std::memcpy(m_record.data() + offset, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString Id3v1Tag::comment() const {
    const int width = m_record[kTrackMarker] != 0 ? 30 : 28;
    return textBeforeNul(trimBlanks(latin1(m_record.data() + kComment, width)));
}

void Id3v1Tag::setComment(const QString& comment) {
    const QByteArray bytes = toLatin1Lossy(comment);
    setTextField(kComment, 28, comment);
    if (bytes.size() > 28) {
        m_record[kTrackMarker] = static_cast<std::uint8_t>(bytes.at(28));
        // A 29-character comment ends at its 29th character.
        m_record[kTrack] = bytes.size() > 29 ? static_cast<std::uint8_t>(bytes.at(29)) : 0;
    } else if (m_record[kTrackMarker] != 0) {
        // The last two characters of an earlier long comment would otherwise trail the new
        // one; there is no track number to keep in that case.
        m_record[kTrackMarker] = 0;
        m_record[kTrack] = 0;
    }
}

std::uint8_t Id3v1Tag::track() const {
    return m_record[kTrackMarker] != 0 ? 0 : m_record[kTrack];
}

void Id3v1Tag::setTrack(std::uint8_t track) {
    m_record[kTrackMarker] = 0;
    m_record[kTrack] = track;
}

bool Id3v1Tag::hasTag() const {
    TagFile file(m_path, TagFile::Mode::Read);
    char marker[3];
    return file.isOpen() && file.size() >= kTagSize && file.readAt(file.size() - kTagSize, marker, 3) &&
           std::memcmp(marker, "TAG", 3) == 0;
}

bool Id3v1Tag::read() {
    TagFile file(m_path, TagFile::Mode::Read);
    if (!file.isOpen() || file.size() < kTagSize)
        return false;
    std::uint8_t tag[kTagSize];
    if (!file.readAt(file.size() - kTagSize, tag, kTagSize))
        return false;
    if (std::memcmp(tag, "TAG", 3) == 0) {
        std::memcpy(m_record.data(), tag + 3, kRecordSize);
        return true;
    }
    for (int offset : {int(kTitle), int(kArtist), int(kAlbum)})
        setTextField(offset, 30, QString());
    setTextField(kYear, 4, QString());
    setTextField(kComment, 28, QString());
    m_record[kTrackMarker] = 0;
    m_record[kTrack] = 0;
    m_record[kGenre] = kNoGenre;
    return false;
}

bool Id3v1Tag::save() {
    TagFile file(m_path, TagFile::Mode::ReadWrite);
    if (!file.isOpen() || file.size() < kTagSize)
        return false;
    const qint64 length = file.size();
    char marker[3];
    if (!file.readAt(length - kTagSize, marker, 3))
        return false;
    if (std::memcmp(marker, "TAG", 3) == 0)
        return file.writeAt(length - kRecordSize, m_record.data(), kRecordSize);
    std::uint8_t tag[kTagSize];
    std::memcpy(tag, "TAG", 3);
    std::memcpy(tag + 3, m_record.data(), kRecordSize);
    if (file.writeAt(length, tag, kTagSize))
        return true;
    // A short append (disk full) must not leave half a tag behind the audio.
    file.truncate(length);
    return false;
}

bool Id3v1Tag::remove() {
    qint64 audioLength = 0;
    {
        TagFile file(m_path, TagFile::Mode::Read);
        if (!file.isOpen() || file.size() < kTagSize)
            return false;
        char marker[3];
        if (!file.readAt(file.size() - kTagSize, marker, 3))
            return false;
        if (std::memcmp(marker, "TAG", 3) != 0)
            return true;
        audioLength = file.size() - kTagSize;
    }
    // The audio goes to "<file>.temp" first, which then replaces the file in one rename,
    // so a crash at any point leaves either the old file or the new one.
    return replaceWithPrefix(m_path, m_path + QStringLiteral(".temp"), audioLength);
}
