#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QtGlobal>

// Peak and RMS levels in dBFS with meter ballistics: levels fall at a fixed rate per second,
// and the highest peak is held for a while before it falls too.
class LevelMeter {
public:
    static constexpr float kFloorDb = -60;

    // Takes the levels of `monoBlock`, `atMs` on a steady clock; an empty block resets.
    void measure(const SampleBlock& monoBlock, qint64 atMs);

    float peakDb() const { return m_peakDb; }
    float rmsDb() const { return m_rmsDb; }
    float holdDb() const { return m_holdDb; }

private:
    float m_peakDb = kFloorDb;
    float m_rmsDb = kFloorDb;
    float m_holdDb = kFloorDb;
    qint64 m_holdSinceMs = 0;
    qint64 m_lastMs = 0;
};
