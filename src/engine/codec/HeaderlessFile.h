#pragma once

#include <QFile>
#include <algorithm>
#include <cstdint>

// A file of fixed-size coding units and no header: `unitBytes` bytes hold `unitFrames`
// frames, and it is read and positioned by whole units.
class HeaderlessFile {
public:
    bool open(const QString& path, int unitBytes, int unitFrames, QString& error) {
        m_unitBytes = std::max(unitBytes, 1);
        m_unitFrames = std::max(unitFrames, 1);
        m_file.setFileName(path);
        if (m_file.open(QIODevice::ReadOnly))
            return true;
        error = m_file.errorString();
        return false;
    }
    bool isOpen() const { return m_file.isOpen(); }
    std::int64_t frames() const { return m_file.size() / m_unitBytes * m_unitFrames; }

    // Bytes of the whole units that hold about `frames` frames.
    int bytesFor(int frames) const { return std::max(1, frames / m_unitFrames) * m_unitBytes; }
    // Reads up to `bytes` bytes, keeping whole units only; 0 at the end.
    int read(char* into, int bytes) {
        const qint64 got = m_file.read(into, bytes);
        return got > 0 ? static_cast<int>(got) / m_unitBytes * m_unitBytes : 0;
    }
    // Moves to the unit that holds frame `frame`; returns the unit's first frame, or -1.
    std::int64_t seek(std::int64_t frame) {
        const std::int64_t unit = frame / m_unitFrames;
        return m_file.seek(unit * m_unitBytes) ? unit * m_unitFrames : -1;
    }

private:
    QFile m_file;
    int m_unitBytes = 1;
    int m_unitFrames = 1;
};
