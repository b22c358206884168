#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The twelve ID3v2.3 fields the editor edits, in the order of their field numbers 1-12.
enum class Id3v2Field {
    Track,
    Title,
    Artist,
    Album,
    Year,
    Genre,
    Comments,
    Composer,
    OrigArtist,
    Copyright,
    URL,
    EncodedBy
};
constexpr int kId3v2FieldCount = 12;
using Id3v2Fields = std::array<QString, kId3v2FieldCount>;

// Frame identifier of each field, by field number - 1.
extern const std::array<const char*, kId3v2FieldCount> kId3v2FrameIds;

struct Id3v2Read {
    bool opened = false; // the file could be read at all
    bool hasTag = false;
    Id3v2Fields fields; // texts as the tag holds them; empty for absent frames
    // Why a save would lose part of the tag (a frame that cannot be read, or one ID3v2.3
    // cannot hold); empty when a save keeps all of it.
    QString unsaveable;
};

// Reads the fields of the file's ID3v2 tag (any version; UTF-16 frames included). A frame
// holding several values gives them joined with "/", as ID3v2.3 writes them.
Id3v2Read readId3v2(const QString& path);

// Sets the twelve fields in the file's ID3v2 tag (an empty text removes its frame; a field
// whose text is unchanged keeps its frame as it is), keeps every other frame, and saves the
// tag as ID3v2.3 in place, several values of a frame joined with "/". Leaves an ID3v1 trailer
// alone. Refuses a tag that readId3v2 calls unsaveable.
bool writeId3v2(const QString& path, const Id3v2Fields& fields);

// Removes the file's ID3v2 tag in place; true also when there was none.
bool removeId3v2(const QString& path);

// The genre as shown: "(17)Rock" gives "Rock", "(17)" gives "", other texts stay.
QString trimGenreReference(const QString& genre);
