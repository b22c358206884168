#include "tags/TagBatch.h"

#include <cstdio>

// Saves both tags into every MP3 file of the folder named by its argument as one batch,
// printing the number of each file before it is saved, for the killed-batch test.
int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    QList<FileEntry> entries = scanFolder(QString::fromLocal8Bit(argv[1]));
    QList<FileEntry*> checked;
    for (FileEntry& entry : entries)
        checked.append(&entry);
    TagPages pages;
    pages.v1Ticked = true;
    pages.v1[kV1Title] = QStringLiteral("Killed batch");
    pages.v1Genre = 8;
    pages.v2Ticked = true;
    pages.v2[static_cast<std::size_t>(Id3v2Field::Title)] = QStringLiteral("Killed batch");
    pages.v2[static_cast<std::size_t>(Id3v2Field::Comments)] = QString(2000, QLatin1Char('c'));
    // As typed by the user, so that the untagged files gain both tags.
    pages.v1Edited[kV1Title] = true;
    pages.v1GenreEdited = true;
    pages.v2Edited[static_cast<std::size_t>(Id3v2Field::Title)] = true;
    pages.v2Edited[static_cast<std::size_t>(Id3v2Field::Comments)] = true;
    BatchOptions options;
    options.numberTracks = true;
    const SaveReport report = saveEntries(checked, pages, options, [](int i, int) {
        std::printf("%d\n", i);
        std::fflush(stdout);
    });
    return report.failed.isEmpty() ? 0 : 1;
}
