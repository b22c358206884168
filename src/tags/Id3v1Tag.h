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

    const QString& filename() const { return m_filename; }
    void setFilename(const QString& path) { m_filename = path; }

    bool ReadTag();
    bool SaveTag();
    bool RemoveTag();
    bool HasTag() const;

    QString tagTitle() const { return textField(kTitle, 30); }
    void setTagTitle(const QString& v) { setTextField(kTitle, 30, v); }
    QString tagArtist() const { return textField(kArtist, 30); }
    void setTagArtist(const QString& v) { setTextField(kArtist, 30, v); }
    QString tagAlbum() const { return textField(kAlbum, 30); }
    void setTagAlbum(const QString& v) { setTextField(kAlbum, 30, v); }
    QString tagYear() const { return textField(kYear, 4); }
    void setTagYear(const QString& v) { setTextField(kYear, 4, v); }
    QString tagComments() const;
    void setTagComments(const QString& v);
    std::uint8_t tagTrack() const;
    void setTagTrack(std::uint8_t track);
    std::uint8_t tagGenre() const { return m_record[kGenre]; }
    void setTagGenre(std::uint8_t genre) { m_record[kGenre] = genre; }
    QString tagStrGenre() const { return ReturnGenre(tagGenre()); }

    // Name of genre `bGenreNum` exactly as the table has it; "" past the table.
    static QString ReturnGenre(std::uint8_t bGenreNum);

    // The record after the marker, as it would be written.
    const std::array<std::uint8_t, kRecordSize>& record() const { return m_record; }

private:
    enum Offset {
        kTitle = 0,
        kArtist = 30,
        kAlbum = 60,
        kYear = 90,
        kComment = 94,
        kZero = 122,
        kTrack = 123,
        kGenre = 124
    };
    QString textField(int offset, int width) const;
    void setTextField(int offset, int width, const QString& value);

    QString m_filename;
    std::array<std::uint8_t, kRecordSize> m_record{};
};
