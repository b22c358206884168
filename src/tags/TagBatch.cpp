#include "tags/TagBatch.h"

#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/TagFile.h"
#include "tags/TagText.h"

#include <QCoreApplication>
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

// `onlyEdited`: the file lacked the tag, so only boxes the user changed reach it.
void applyV1(Id3v1Tag& tag, const TagPages& pages, const BatchOptions* batch, int position,
             const QString& path, bool onlyEdited) {
    const bool keep = batch && batch->keepOriginal;
    const auto text = [&](V1Box box) { return trimBlanks(pages.v1[box]); };
    const auto wanted = [&](V1Box box) {
        return (!onlyEdited || pages.v1Edited[box]) && (!keep || !text(box).isEmpty());
    };
    if (wanted(kV1Track))
        tag.setTrack(trackByte(leadingNumber(text(kV1Track))));
    const std::array<std::pair<V1Box, void (Id3v1Tag::*)(const QString&)>, 5> setters = {
        {{kV1Title, &Id3v1Tag::setTitle},
         {kV1Artist, &Id3v1Tag::setArtist},
         {kV1Album, &Id3v1Tag::setAlbum},
         {kV1Year, &Id3v1Tag::setYear},
         {kV1Comments, &Id3v1Tag::setComment}}};
    for (const auto& [box, set] : setters) {
        if (wanted(box))
            (tag.*set)(text(box));
    }
    if ((!onlyEdited || pages.v1GenreEdited) && (!keep || pages.v1Genre >= 0))
        tag.setGenre(genreByte(pages.v1Genre));
    if (batch && batch->numberTracks)
        tag.setTrack(position <= 255 ? static_cast<std::uint8_t>(position) : 0);
    if (batch && batch->grabTitle)
        tag.setTitle(titleFromFileName(path));
}

void applyV2(Id3v2Tag& tag, const TagPages& pages, const BatchOptions* batch, int position,
             const QString& path, bool onlyEdited) {
    const bool keep = batch && batch->keepOriginal;
    for (int i = 0; i < kId3v2FieldCount; ++i) {
        const auto field = static_cast<Id3v2Field>(i);
        const QString& box = pages.v2[static_cast<std::size_t>(i)];
        if ((onlyEdited && !pages.v2Edited[static_cast<std::size_t>(i)]) ||
            (keep && trimBlanks(box).isEmpty()))
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
    v1.read();
    v2.read();
    const bool anyV1Edit = pages.v1GenreEdited || std::find(pages.v1Edited.begin(), pages.v1Edited.end(),
                                                            true) != pages.v1Edited.end();
    const bool anyV2Edit =
        std::find(pages.v2Edited.begin(), pages.v2Edited.end(), true) != pages.v2Edited.end();
    const bool writeV1 = pages.v1Ticked && (!batch || entry.hasV1 || anyV1Edit);
    const bool writeV2 = pages.v2Ticked && (!batch || entry.hasV2 || anyV2Edit);
    const bool removeV1 = !pages.v1Ticked && entry.hasV1;
    const bool removeV2 = !pages.v2Ticked && entry.hasV2;
    if (!writeV1 && !removeV1 && !writeV2 && !removeV2)
        return {};
    if (writeV1)
        applyV1(v1, pages, batch, position, path, batch && !entry.hasV1);
    if (writeV2)
        applyV2(v2, pages, batch, position, path, batch && !entry.hasV2);

    // The copy replaces the file a link points to, not the link; a read-only file stays as
    // it is although its folder would allow the rename.
    const QFileInfo info(QFileInfo(path).canonicalFilePath());
    if (!isRegularFile(info.filePath()) || !info.isWritable())
        return QCoreApplication::translate("TagBatch", "it is no regular file, or it cannot be written");
    const QString target = info.filePath();
    const qint64 audio = untaggedBytes(target);
    if (audio < 0)
        return QCoreApplication::translate(
            "TagBatch",
            "its ID3v2 tag claims more bytes than the file holds, so a new tag could cut its audio");
    if (writeV2 && !v2.unsaveable().isEmpty())
        return v2.unsaveable();
    const QString temp =
        info.absolutePath() + QLatin1String("/.") + info.fileName() + QStringLiteral(".tavrik-save");
    if (!copyAside(target, temp))
        return QCoreApplication::translate("TagBatch", "no copy of it could be written beside it");
    v1.setPath(temp);
    v2.setPath(temp);
    const bool written = (writeV1 ? v1.save() : !removeV1 || v1.remove()) &&
                         (writeV2 ? v2.save() : !removeV2 || v2.remove()) && syncFile(temp);
    const qint64 audioLeft = written ? untaggedBytes(temp) : -1;
    if (!written || audioLeft < audio) {
        QFile::remove(temp);
        return written ? QCoreApplication::translate("TagBatch", "the new tags would have cut its audio")
                       : QCoreApplication::translate("TagBatch", "the tags could not be written");
    }
    const bool v2Left = writeV2 && v2.hasTag();
    if (!replaceWith(target, temp))
        return QCoreApplication::translate("TagBatch", "it could not be replaced by the saved copy");

    if (writeV1) {
        takeV1Fields(v1, entry);
        entry.hasV1 = true;
    } else if (removeV1) {
        entry.v1 = {};
        entry.v1Genre = 0;
        entry.hasV1 = false;
    }
    if (writeV2 || removeV2) {
        entry.v2 = writeV2 ? v2.fields() : Id3v2Fields{};
        // A tag whose twelve fields are all empty is not written at all.
        entry.hasV2 = v2Left;
    }
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
