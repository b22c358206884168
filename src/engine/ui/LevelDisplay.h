#pragma once

#include "engine/dsp/LevelMeter.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QStaticText>
#include <QWidget>

// Paints a LevelMeter: peak and RMS in dBFS with a falling peak-hold marker. Repaints only on a
// draw that changes what is shown, and then only the bar and the readout.
class LevelDisplay : public QWidget {
    Q_OBJECT
public:
    explicit LevelDisplay(QWidget* parent = nullptr);

    // Mono values the caller should hand to each draw.
    int samplesPerUpdate() const { return 2048; }
    // Shows the levels of `monoBlock`; an empty block clears the meter.
    void draw(const SampleBlock& monoBlock);

    // The levels shown, after smoothing (dBFS, -60 when silent).
    float peakDb() const { return m_meter.peakDb(); }
    float rmsDb() const { return m_meter.rmsDb(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildLayers();
    qreal xOf(float db) const;
    // Whole device pixels of the bar, so that a level change too small to see draws nothing.
    int pixelOf(float db) const;

    // What a frame shows, in what the eye can tell apart.
    struct Shown {
        int peak = -1;
        int rms = -1;
        int hold = -1;
        int readoutTenthsDb = -1;
        bool operator==(const Shown&) const = default;
    };
    Shown shownNow() const;
    // Takes `now` as what paints next; false when the last paint already showed it.
    bool show(const Shown& now);

    // What the cached layers were drawn for.
    struct LayerKey {
        QSize size;
        qreal ratio = 0;
        bool operator==(const LayerKey&) const = default;
    };

    LevelMeter m_meter;
    QElapsedTimer m_clock;
    LayerKey m_layersFor;
    QPixmap m_backdrop;
    QPixmap m_peakLayer;
    QPixmap m_rmsLayer;
    QRectF m_bar;
    int m_readoutWidth = 0;
    QFont m_smallFont;
    Shown m_shown;
    QStaticText m_readout;
};
