#pragma once

#include "tags/FileEntry.h"

#include <QStringList>
#include <functional>

// What the two field pages of the editor hold.
struct TagPages {
    bool v1Ticked = false; // "&ID3v1 tag"
    V1Texts v1;
    int v1Genre = -1;      // list position of the genre list; -1 = no selection
    bool v2Ticked = false; // "&ID3v2 tag"
    Id3v2Fields v2;        // the boxes and the genre text
    // What the user changed since the pages last showed files' values. In a batch, a file
    // listed without a tag gains it only through these, so that no file's values reach
    // another.
    std::array<bool, kV1BoxCount> v1Edited{};
    bool v1GenreEdited = false;
    std::array<bool, kId3v2FieldCount> v2Edited{}; // by field
};

// The "Multiple file options"; they act only when more than one file is saved.
struct BatchOptions {
    bool keepOriginal = true;  // empty boxes keep each file's own value
    bool numberTracks = false; // track := position among the saved files
    bool grabTitle = false;    // title := titleFromFileName of the file
};

// What the pages show for the clicked row or for several checked rows. A page whose `has`
// flag is false is unticked and shows empty boxes.
struct PageView {
    bool hasV1 = false;
    V1Texts v1;
    int v1Genre = -1;
    bool hasV2 = false;
    Id3v2Fields v2;
};

// One file's values.
PageView entryView(const FileEntry& entry);
// Values common to all `entries` (letter case ignored except for the ID3v2 track); a value
// that differs anywhere is empty, a differing ID3v1 genre is -1.
PageView combinedView(const QList<const FileEntry*>& entries);

// The title a file name gives: the part after its last "-", tidied; "" without a "-".
QString titleFromFileName(const QString& path);

// A file a save left exactly as it was, and why.
struct SaveFailure {
    QString path;
    QString reason;
};

struct SaveReport {
    int saved = 0;
    QList<SaveFailure> failed;
};

// Writes the pages into `entries` (the checked rows in list order, or the one target row)
// and updates each saved entry to what its file now holds. A ticked page is written into a
// single file, into a file listed with that tag, or, in a batch, into a file listed without
// it only when the user edited a box of that page (then only the edited boxes). An unticked
// page removes its tag from files listed with it. A file whose ID3v2 tag cannot be saved
// whole is left as it was. Each file is changed on a copy that then replaces it, so a crash
// leaves every file either as it was or as saved; a copy that would hold less audio than the
// file (whatever its old tag claims) is thrown away. `progress(i, n)` is called before file i
// (1-based) of n.
SaveReport saveEntries(const QList<FileEntry*>& entries, const TagPages& pages, const BatchOptions& options,
                       const std::function<void(int, int)>& progress = {});
