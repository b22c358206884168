#pragma once

#include <QString>

// The only way to settings.dat. A read sees the file as it is on disk now, what the
// last write put there included; the file is parsed again only when it changed. Missing file, section or key
// read as ""; values come back trimmed of spaces and cut to 127 characters, or to `longest` - 1 for
// the few values that are lists. A failed write is silent.
inline constexpr int kSettingBufferSize = 128;
QString readSetting(const QString& file, const QString& section, const QString& key,
                    int longest = kSettingBufferSize);
void writeSetting(const QString& file, const QString& section, const QString& key, const QString& value,
                  int longest = kSettingBufferSize);
