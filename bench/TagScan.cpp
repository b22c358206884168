#include "tags/FileEntry.h"

#include <cstdio>

// Lists a folder's MP3 files with their tags the way the tag editor's folder scan does, and
// prints how many files carry each kind of tag.
int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    const QList<FileEntry> entries = scanFolder(QString::fromLocal8Bit(argv[1]));
    int v1 = 0;
    int v2 = 0;
    for (const FileEntry& e : entries) {
        v1 += e.hasV1;
        v2 += e.hasV2;
    }
    std::printf("%lld files, %d with ID3v1, %d with ID3v2\n", static_cast<long long>(entries.size()), v1, v2);
    return 0;
}
