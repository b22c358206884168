#pragma once

#include "tags/Id3v2Frames.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// Box indices of the ID3v1 page: track, title, artist, album, year, comments.
enum V1Box { kV1Track, kV1Title, kV1Artist, kV1Album, kV1Year, kV1Comments, kV1BoxCount };
using V1Texts = std::array<QString, kV1BoxCount>;

// The ID3v2 field behind each text box of the ID3v2 page, by box index 0-10.
extern const std::array<Id3v2Field, 11> kV2BoxFields;

// One listed MP3 file and the tag values the editor knows for it.
struct FileEntry {
    V1Texts v1;               // track as text ("" for none)
    std::uint8_t v1Genre = 0; // ID3v1 genre number
    Id3v2Fields v2;
    bool hasV1 = false;
    bool hasV2 = false;
    QString path;
};

// Reads one file's tags the way the folder listing shows them: texts trimmed of blanks, the
// ID3v2 genre without its numeric reference; a tag whose values are all empty (and ID3v1
// genre 0) counts as no tag.
FileEntry readFileEntry(const QString& path);

class Id3v1Tag;
// Copies the fields of a read ID3v1 tag into the entry's v1 cells and genre.
void takeV1Fields(const Id3v1Tag& v1, FileEntry& entry);

// The folder's "*.mp3" files with their tags, in listing order. `progress(i, n)` is called
// before file i (1-based) of n is read; when it answers false, the scan ends there.
QList<FileEntry> scanFolder(const QString& folder, const std::function<bool(int, int)>& progress = {});

// "Tags" column: "ID3v1 " when the file has one, then "ID3v2" when it has one.
QString tagsText(const FileEntry& entry);
// "Size" column: bytes / 1024, halves rounded up, grouped as the locale does, then " kB".
QString sizeKbText(qint64 bytes);
// "Date" column: the time as a short date and time in the user's locale.
QString dateText(const QDateTime& time);
