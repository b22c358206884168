#pragma once

#include "engine/dsp/BandMeter.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <vector>

// Paints a BandMeter: bars of log-spaced frequency bands with falling peak caps.
// Repaints only on a draw that changes what is shown, and then only the plot.
class FrequencyView : public QWidget {
    Q_OBJECT
public:
    explicit FrequencyView(QWidget* parent = nullptr);

    // Format of the blocks handed to draw; stereo is folded to mono.
    void setFormat(int sampleRate, int channels);
    // Shows the spectrum of the latest values of `block`; an empty block clears the view.
    void draw(const SampleBlock& block);
    // Interleaved values the caller should hand to each draw.
    int samplesPerUpdate() const { return m_samplesPerUpdate; }
    void setSamplesPerUpdate(int values);

    // The frequency of the strongest component last drawn, 0 when clear.
    float peakHz() const { return m_meter.peakHz(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuildLayers();
    qreal yOf(float db) const;

    // What a frame shows, in whole device pixels, so that a change too small to see draws nothing.
    struct Shown {
        std::vector<int> barTops;
        std::vector<int> capTops;
        long peakHz = -1;
        bool operator==(const Shown&) const = default;
    };
    void measureShown(Shown& into) const;
    QRect changedArea() const;
    // Takes m_next as what paints next; false when the last paint already showed it.
    bool showNext();

    // What the cached layers were drawn for.
    struct LayerKey {
        QSize size;
        qreal ratio = 0;
        float lowHz = 0;
        float highHz = 0;
        bool operator==(const LayerKey&) const = default;
    };

    BandMeter m_meter;
    int m_samplesPerUpdate = 4096;
    QElapsedTimer m_clock;
    LayerKey m_layersFor;
    QPixmap m_backdrop;
    QPixmap m_lit;
    QRectF m_plot;
    QFont m_smallFont;
    Shown m_shown;
    Shown m_next;
    QStaticText m_peakLabel;
};
