#pragma once

#include "tags/Id3v2Frames.h"

#include <QString>

// The twelve text fields of a file's ID3v2.3 tag, kept as plain strings between calls.
class Id3v2Tag {
public:
    const QString& filename() const { return m_filename; }
    void setFilename(const QString& path) { m_filename = path; }

    bool ReadTag();
    bool SaveTag();
    bool RemoveTag();
    bool HasTag() const;

    const QString& field(Id3v2Field f) const { return m_fields[static_cast<std::size_t>(f)]; }
    void setField(Id3v2Field f, const QString& v) { m_fields[static_cast<std::size_t>(f)] = v; }
    const Id3v2Fields& fields() const { return m_fields; }
    void setFields(const Id3v2Fields& fields) { m_fields = fields; }

    const QString& tagTrack() const { return field(Id3v2Field::Track); }
    void setTagTrack(const QString& v) { setField(Id3v2Field::Track, v); }
    const QString& tagTitle() const { return field(Id3v2Field::Title); }
    void setTagTitle(const QString& v) { setField(Id3v2Field::Title, v); }
    const QString& tagArtist() const { return field(Id3v2Field::Artist); }
    void setTagArtist(const QString& v) { setField(Id3v2Field::Artist, v); }
    const QString& tagAlbum() const { return field(Id3v2Field::Album); }
    void setTagAlbum(const QString& v) { setField(Id3v2Field::Album, v); }
    const QString& tagYear() const { return field(Id3v2Field::Year); }
    void setTagYear(const QString& v) { setField(Id3v2Field::Year, v); }
    const QString& tagGenre() const { return field(Id3v2Field::Genre); }
    void setTagGenre(const QString& v) { setField(Id3v2Field::Genre, v); }
    const QString& tagComments() const { return field(Id3v2Field::Comments); }
    void setTagComments(const QString& v) { setField(Id3v2Field::Comments, v); }
    const QString& tagComposer() const { return field(Id3v2Field::Composer); }
    void setTagComposer(const QString& v) { setField(Id3v2Field::Composer, v); }
    const QString& tagOrigArtist() const { return field(Id3v2Field::OrigArtist); }
    void setTagOrigArtist(const QString& v) { setField(Id3v2Field::OrigArtist, v); }
    const QString& tagCopyright() const { return field(Id3v2Field::Copyright); }
    void setTagCopyright(const QString& v) { setField(Id3v2Field::Copyright, v); }
    const QString& tagURL() const { return field(Id3v2Field::URL); }
    void setTagURL(const QString& v) { setField(Id3v2Field::URL, v); }
    const QString& tagEncodedBy() const { return field(Id3v2Field::EncodedBy); }
    void setTagEncodedBy(const QString& v) { setField(Id3v2Field::EncodedBy, v); }

    QString tagTrimmedGenre() const { return trimGenreReference(tagGenre()); }

private:
    QString m_filename;
    Id3v2Fields m_fields;
};
