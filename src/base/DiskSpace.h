#pragma once

#include <QString>
#include <optional>

// Bytes an unprivileged writer may still put on the file system that holds `path`; none when
// the path cannot be asked. Unlike QStorageInfo it does not read the mount table, so a
// recording can ask every second.
std::optional<qint64> freeDiskBytes(const QString& path);
