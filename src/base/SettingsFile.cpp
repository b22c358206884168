#include "base/SettingsFile.h"

#include "base/ProfileFile.h"

namespace {

QString trimSpaces(const QString& s) {
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin] == u' ')
        ++begin;
    while (end > begin && s[end - 1] == u' ')
        --end;
    return s.mid(begin, end - begin);
}
} // namespace

QString readSetting(const QString& file, const QString& section, const QString& key, int longest) {
    QString value = ProfileFile(file).readString(section, key, QString(), longest);
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    return trimSpaces(value);
}

void writeSetting(const QString& file, const QString& section, const QString& key, const QString& value,
                  int longest) {
    // A value of up to `longest` - 1 characters is stored exactly; of a longer one the first `longest`.
    QString buffer = value;
    const qsizetype nul = buffer.indexOf(QChar(0));
    if (nul >= 0)
        buffer.truncate(nul);
    ProfileFile(file).writeString(section, key, buffer.left(longest));
}
