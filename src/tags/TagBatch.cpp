#include "tags/TagBatch.h"

#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/TagFile.h"
#include "tags/TagText.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

bool sameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::uint8_t trackByte(qint64 value) {
    return static_cast<std::uint8_t>(std::clamp<qint64>(value, 0, 255));
}

// ID3v1 genre number of a list position; no selection stores "no genre".
std::uint8_t genreByte(int position) {
    return position < 0 ? Id3v1Tag::kNoGenre : static_cast<std::uint8_t>(std::min(position, 255));
}

QString v2Track(const QString& box) {
    return leadingNumber(box) > 0 ? box : QString();
}

void applyV1(Id3v1Tag& tag, const TagPages& pages, const BatchOptions* batch, int position,
             const QString& path) {
    const bool keep = batch && batch->keepOriginal;
    const auto text = [&](V1Box box) { return trimBlanks(pages.v1[box]); };
    if (!keep || !text(kV1Track).isEmpty())
        tag.setTrack(trackByte(leadingNumber(text(kV1Track))));
    const std::array<std::pair<V1Box, void (Id3v1Tag::*)(const QString&)>, 5> setters = {
        {{kV1Title, &Id3v1Tag::setTitle},
         {kV1Artist, &Id3v1Tag::setArtist},
         {kV1Album, &Id3v1Tag::setAlbum},
         {kV1Year, &Id3v1Tag::setYear},
         {kV1Comments, &Id3v1Tag::setComment}}};
    for (const auto& [box, set] : setters) {
        if (!keep || !text(box).isEmpty())
            (tag.*set)(text(box));
    }
    if (!keep || pages.v1Genre >= 0)
        tag.setGenre(genreByte(pages.v1Genre));
    if (batch && batch->numberTracks)
        tag.setTrack(position <= 255 ? static_cast<std::uint8_t>(position) : 0);
    if (batch && batch->grabTitle)
        tag.setTitle(titleFromFileName(path));
}

void applyV2(Id3v2Tag& tag, const TagPages& pages, const BatchOptions* batch, int position,
             const QString& path) {
    const bool keep = batch && batch->keepOriginal;
    for (int i = 0; i < kId3v2FieldCount; ++i) {
        const auto field = static_cast<Id3v2Field>(i);
        const QString& box = pages.v2[static_cast<std::size_t>(i)];
        if (keep && trimBlanks(box).isEmpty())
            continue;
        tag.setField(field, field == Id3v2Field::Track ? v2Track(box) : box);
    }
    if (batch && batch->numberTracks)
        tag.setTrack(QString::number(position));
    if (batch && batch->grabTitle)
        tag.setTitle(titleFromFileName(path));
}

// The bytes of a file that are neither its leading ID3v2 tag nor its ID3v1 trailer: the
// audio a tag save must keep. -1 when the file cannot be read or its ID3v2 header claims
// more bytes than the file holds, so that nobody can tell where its audio starts.
qint64 untaggedBytes(const QString& path) {
    const TagFile file(path, TagFile::Mode::Read);
    const qint64 front = file.isOpen() ? leadingId3v2Size(file) : -1;
    if (front < 0 || front > file.size())
        return -1;
    char tail[3];
    const bool v1 = file.size() - front >= Id3v1Tag::kTagSize &&
                    file.readAt(file.size() - Id3v1Tag::kTagSize, tail, 3) &&
                    std::memcmp(tail, "TAG", 3) == 0;
    return file.size() - front - (v1 ? Id3v1Tag::kTagSize : 0);
}

// Saves one file through a copy beside it. `batch` is null for a single-file save; `position`
// is the file's 1-based place among the saved files. Returns why the file was left as it was,
// or nothing when it was saved.
QString saveEntry(FileEntry& entry, const TagPages& pages, const BatchOptions* batch, int position) {
    const QString path = entry.path;
    Id3v1Tag v1;
    Id3v2Tag v2;
    v1.setPath(path);
    v2.setPath(path);
    // Each file starts from its own tags, so that fields left alone keep their values.
    const bool hadV1 = v1.read();
    const bool hadV2 = v2.read();
    if (pages.v1Ticked)
        applyV1(v1, pages, batch, position, path);
    if (pages.v2Ticked)
        applyV2(v2, pages, batch, position, path);
    if (!pages.v1Ticked && !hadV1 && !pages.v2Ticked && !hadV2) {
        entry.v1 = {};
        entry.v1Genre = 0;
        entry.hasV1 = false;
        entry.v2 = {};
        entry.hasV2 = false;
        return {};
    }

    // The copy replaces the file a link points to, not the link; a read-only file stays as
    // it is although its folder would allow the rename.
    const QFileInfo info(QFileInfo(path).canonicalFilePath());
    if (!isRegularFile(info.filePath()) || !info.isWritable())
        return QStringLiteral("it is no regular file, or it cannot be written");
    const QString target = info.filePath();
    const qint64 audio = untaggedBytes(target);
    if (audio < 0)
        return QStringLiteral(
            "its ID3v2 tag claims more bytes than the file holds, so a new tag could cut its audio");
    const QString temp =
        info.absolutePath() + QLatin1String("/.") + info.fileName() + QStringLiteral(".tavrik-save");
    if (!copyAside(target, temp))
        return QStringLiteral("no copy of it could be written beside it");
    v1.setPath(temp);
    v2.setPath(temp);
    const bool written = (pages.v1Ticked ? v1.save() : v1.remove()) &&
                         (pages.v2Ticked ? v2.save() : v2.remove()) && syncFile(temp);
    const qint64 audioLeft = written ? untaggedBytes(temp) : -1;
    if (!written || audioLeft < audio) {
        QFile::remove(temp);
        return written ? QStringLiteral("the new tags would have cut its audio")
                       : QStringLiteral("the tags could not be written");
    }
    const bool v2Left = pages.v2Ticked && v2.hasTag();
    if (!replaceWith(target, temp))
        return QStringLiteral("it could not be replaced by the saved copy");

    if (pages.v1Ticked) {
        takeV1Fields(v1, entry);
    } else {
        entry.v1 = {};
        entry.v1Genre = 0;
    }
    entry.hasV1 = pages.v1Ticked;
    entry.v2 = pages.v2Ticked ? v2.fields() : Id3v2Fields{};
    // A tag whose twelve fields are all empty is not written at all.
    entry.hasV2 = v2Left;
    return {};
}

} // namespace

PageView entryView(const FileEntry& entry) {
    PageView view;
    view.hasV1 = entry.hasV1;
    view.v1 = entry.v1;
    view.v1Genre = entry.v1Genre;
    view.hasV2 = entry.hasV2;
    view.v2 = entry.v2;
    return view;
}

PageView combinedView(const QList<const FileEntry*>& entries) {
    PageView view;
    for (const FileEntry* entry : entries) {
        if (!entry->hasV1)
            continue;
        if (!view.hasV1) {
            view.hasV1 = true;
            view.v1 = entry->v1;
            view.v1Genre = entry->v1Genre;
            continue;
        }
        if (!isNumber(view.v1[kV1Track]) || !isNumber(entry->v1[kV1Track]) ||
            leadingNumber(view.v1[kV1Track]) != leadingNumber(entry->v1[kV1Track]))
            view.v1[kV1Track].clear();
        for (int box = kV1Title; box < kV1BoxCount; ++box) {
            if (!sameText(view.v1[box], entry->v1[box]))
                view.v1[box].clear();
        }
        if (view.v1Genre != entry->v1Genre)
            view.v1Genre = -1;
    }
    if (view.hasV1 && leadingNumber(view.v1[kV1Track]) <= 0)
        view.v1[kV1Track].clear();

    for (const FileEntry* entry : entries) {
        if (!entry->hasV2)
            continue;
        if (!view.hasV2) {
            view.hasV2 = true;
            view.v2 = entry->v2;
            continue;
        }
        for (std::size_t i = 0; i < view.v2.size(); ++i) {
            const bool same = static_cast<Id3v2Field>(i) == Id3v2Field::Track
                                  ? view.v2[i] == entry->v2[i]
                                  : sameText(view.v2[i], entry->v2[i]);
            if (!same)
                view.v2[i].clear();
        }
    }
    return view;
}

QString titleFromFileName(const QString& path) {
    const QString name = pathParts(path, kPathName);
    const qsizetype dash = name.lastIndexOf(QLatin1Char('-'));
    return dash < 0 ? QString() : trimBlanks(tidyTitle(name.mid(dash + 1)));
}

SaveReport saveEntries(const QList<FileEntry*>& entries, const TagPages& pages, const BatchOptions& options,
                       const std::function<void(int, int)>& progress) {
    SaveReport report;
    const int n = static_cast<int>(entries.size());
    const BatchOptions* batch = n > 1 ? &options : nullptr;
    for (int i = 0; i < n; ++i) {
        if (progress)
            progress(i + 1, n);
        const QString failure = saveEntry(*entries[i], pages, batch, i + 1);
        if (failure.isEmpty())
            ++report.saved;
        else
            report.failed.append({entries[i]->path, failure});
    }
    return report;
}
