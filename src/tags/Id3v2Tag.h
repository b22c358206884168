#pragma once

#include "tags/Id3v2Frames.h"

#include <QString>

// The twelve text fields of a file's ID3v2.3 tag, kept as plain strings between calls.
class Id3v2Tag {
public:
    void setPath(const QString& path) { m_path = path; }

    // False when the file has no tag (the fields are then empty) or cannot be read (the
    // fields are kept).
    bool read();
    bool save();
    // True also when there was no tag.
    bool remove();
    bool hasTag() const;
    // After read(): why a save would lose part of the tag; empty when it would not.
    const QString& unsaveable() const { return m_unsaveable; }

    const QString& field(Id3v2Field f) const { return m_fields[static_cast<std::size_t>(f)]; }
    void setField(Id3v2Field f, const QString& v) { m_fields[static_cast<std::size_t>(f)] = v; }
    const Id3v2Fields& fields() const { return m_fields; }

    void setTrack(const QString& track) { setField(Id3v2Field::Track, track); }
    void setTitle(const QString& title) { setField(Id3v2Field::Title, title); }

private:
    QString m_path;
    Id3v2Fields m_fields;
    QString m_unsaveable;
};
