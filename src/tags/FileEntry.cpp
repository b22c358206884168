#include "tags/FileEntry.h"

#include "tags/FileSearch.h"
#include "tags/Id3v1Tag.h"
#include "tags/TagText.h"

#include <QLocale>
#include <algorithm>

const std::array<Id3v2Field, 11> kV2BoxFields = {
    Id3v2Field::Track,     Id3v2Field::Title,    Id3v2Field::Artist,   Id3v2Field::Album,
    Id3v2Field::Year,      Id3v2Field::Comments, Id3v2Field::Composer, Id3v2Field::OrigArtist,
    Id3v2Field::Copyright, Id3v2Field::URL,      Id3v2Field::EncodedBy};

void takeV1Fields(const Id3v1Tag& v1, FileEntry& entry) {
    entry.v1 = {v1.track() ? QString::number(v1.track()) : QString(),
                v1.title(),
                v1.artist(),
                v1.album(),
                v1.year(),
                v1.comment()};
    entry.v1Genre = v1.genre();
}

namespace {

// A bare numeric reference such as "(9)" shows as its name ("Metal"): shown empty, a save
// of the page would drop the file's genre.
QString shownGenre(const QString& genre) {
    const QString text = trimGenreReference(genre);
    if (!text.isEmpty() || !genre.startsWith(QLatin1Char('(')))
        return text;
    bool number = false;
    const int n = genre.mid(1, genre.indexOf(QLatin1Char(')')) - 1).toInt(&number);
    return number && n >= 0 && n <= 255 ? properCase(Id3v1Tag::genreName(static_cast<std::uint8_t>(n)))
                                        : text;
}

} // namespace

FileEntry readFileEntry(const QString& path) {
    FileEntry entry;
    entry.path = path;

    Id3v1Tag v1;
    v1.setPath(path);
    if (v1.read()) {
        takeV1Fields(v1, entry);
        entry.hasV1 = entry.v1Genre != 0 || std::any_of(entry.v1.begin(), entry.v1.end(),
                                                        [](const QString& s) { return !s.isEmpty(); });
    }

    const Id3v2Read v2 = readId3v2(path);
    for (int i = 0; i < kId3v2FieldCount; ++i) {
        const auto field = static_cast<Id3v2Field>(i);
        QString value = v2.fields[static_cast<std::size_t>(i)];
        // Comments and URLs are shown as they stand; other frames lose their padding blanks.
        if (field != Id3v2Field::Comments && field != Id3v2Field::URL)
            value = trimBlanks(value);
        if (field == Id3v2Field::Genre)
            value = shownGenre(value);
        entry.hasV2 = entry.hasV2 || !value.isEmpty();
        entry.v2[static_cast<std::size_t>(i)] = value;
    }
    return entry;
}

QList<FileEntry> scanFolder(const QString& folder, const std::function<bool(int, int)>& progress) {
    FileSearch search;
    const int n = search.find(folder, QStringLiteral("*.mp3"), false);
    QList<FileEntry> entries;
    entries.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (progress && !progress(i + 1, n))
            break;
        entries.append(readFileEntry(search.at(i).path()));
    }
    return entries;
}

QString tagsText(const FileEntry& entry) {
    QString text;
    if (entry.hasV1)
        text += QStringLiteral("ID3v1 ");
    if (entry.hasV2)
        text += QStringLiteral("ID3v2");
    return text;
}

QString sizeKbText(qint64 bytes) {
    return QLocale().toString((bytes + 512) / 1024) + QStringLiteral(" kB");
}

QString dateText(const QDateTime& time) {
    return QLocale().toString(time, QLocale::ShortFormat);
}
