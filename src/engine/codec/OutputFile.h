#pragma once

#include "engine/codec/Encoder.h"

#include <QString>
#include <cstdint>

// A file being written by an encoder, through our own descriptor so that a failed
// write keeps its errno. A write that fails part-way is taken back, so the file ends
// where the last whole write ended.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates or truncates `path`.
    EncoderError open(const QString& path);
    bool isOpen() const { return m_fd >= 0; }
    // Writes `size` bytes at `offset`; on failure nothing of this call stays past the old end.
    EncoderError writeAt(std::int64_t offset, const void* data, std::int64_t size);
    EncoderError append(const void* data, std::int64_t size) { return writeAt(m_length, data, size); }
    // Reads up to `size` bytes at `offset`; returns the count read, 0 at the end or on error.
    std::int64_t readAt(std::int64_t offset, void* data, std::int64_t size) const;
    std::int64_t length() const { return m_length; }
    EncoderError close();
    // Closes and deletes the file, for a file that never got valid content.
    void discard();

private:
    int m_fd = -1;
    QString m_path;
    std::int64_t m_length = 0;
};
