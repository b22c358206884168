#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The 128-byte ID3v1 trailer of one MP3 file: "TAG", then the 125-byte record held here.
// Works on one path at a time and never keeps the file open between calls.
class Id3v1Tag {
public:
    static constexpr int kTagSize = 128;
    static constexpr int kRecordSize = 125;
    static constexpr int kGenreCount = 148;
    static constexpr std::uint8_t kNoGenre = 255;

    void setPath(const QString& path) { m_path = path; }

    // False without a trailer, which also blanks the record (genre: none).
    bool read();
    bool save();
    // True also when there was no trailer.
    bool remove();
    bool hasTag() const;

    QString title() const { return textField(kTitle, 30); }
    void setTitle(const QString& title) { setTextField(kTitle, 30, title); }
    QString artist() const { return textField(kArtist, 30); }
    void setArtist(const QString& artist) { setTextField(kArtist, 30, artist); }
    QString album() const { return textField(kAlbum, 30); }
    void setAlbum(const QString& album) { setTextField(kAlbum, 30, album); }
    QString year() const { return textField(kYear, 4); }
    void setYear(const QString& year) { setTextField(kYear, 4, year); }
    // 30 characters without a track number, else 28.
    QString comment() const;
    void setComment(const QString& comment);
    // 0 for none.
    std::uint8_t track() const;
    void setTrack(std::uint8_t track);
    std::uint8_t genre() const { return m_record[kGenre]; }
    void setGenre(std::uint8_t genre) { m_record[kGenre] = genre; }

    // Name of genre number `genre` exactly as the table has it; "" past the table.
    static QString genreName(std::uint8_t genre);

    // The record after the marker, as it would be written.
    const std::array<std::uint8_t, kRecordSize>& record() const { return m_record; }

private:
    enum Offset {
        kTitle = 0,
        kArtist = 30,
        kAlbum = 60,
        kYear = 90,
        kComment = 94,
        kTrackMarker = 122, // 0 when the next byte holds a track number
        kTrack = 123,
        kGenre = 124
    };
    QString textField(int offset, int width) const;
    void setTextField(int offset, int width, const QString& value);

    QString m_path;
    std::array<std::uint8_t, kRecordSize> m_record{};
};
