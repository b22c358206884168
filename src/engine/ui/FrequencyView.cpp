#include "engine/ui/FrequencyView.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kBottomDb = -90;
constexpr float kBarFallDbPerSecond = 45;
constexpr float kCapFallDbPerSecond = 15;
constexpr std::array kGridHz{50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};

const QColor kGrid(255, 255, 255, 22);
const QColor kText(140, 150, 165);

QString hzLabel(int hz) {
    return hz >= 1000 ? QStringLiteral("%1k").arg(hz / 1000) : QString::number(hz);
}

} // namespace

FrequencyView::FrequencyView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_clock.start();
    clear();
}

QSize FrequencyView::sizeHint() const {
    return {420, 180};
}

QSize FrequencyView::minimumSizeHint() const {
    return {240, 110};
}

void FrequencyView::SetFormat(int sampleRate, int channels) {
    m_sampleRate = sampleRate > 0 ? sampleRate : 44100;
    m_channels = channels == 1 ? 1 : 2;
    clear();
    update();
}

void FrequencyView::SetSamplesPerUpdate(int values) {
    m_samplesPerUpdate = std::clamp(values, 64, 2 * FrequencyAnalyzer::kMaxSamples);
}

void FrequencyView::clear() {
    m_spectrum = m_analyzer.analyze({}, m_sampleRate);
    m_capDb.assign(m_spectrum.bandDb.size(), kSpectrumFloorDb);
    m_peakHz = 0;
}

void FrequencyView::Draw(const SampleBlock& block) {
    const qint64 now = m_clock.elapsed();
    const float seconds = std::clamp(static_cast<float>(now - m_lastDrawMs) / 1000.0f, 0.0f, 1.0f);
    m_lastDrawMs = now;
    if (block.empty()) {
        clear();
        update();
        return;
    }
    const Spectrum fresh =
        m_analyzer.analyze(m_channels == 2 ? m_mixer.MakeMonoFromStereo(block) : block, m_sampleRate);
    // Bars rise at once and sink smoothly; caps sink slower still.
    for (size_t i = 0; i < fresh.bandDb.size(); ++i) {
        float& bar = m_spectrum.bandDb[i];
        bar = std::max(fresh.bandDb[i], bar - kBarFallDbPerSecond * seconds);
        m_capDb[i] = std::max(bar, m_capDb[i] - kCapFallDbPerSecond * seconds);
    }
    m_spectrum.edgeHz = fresh.edgeHz;
    m_peakHz = fresh.peakDb > kBottomDb ? fresh.peakHz : 0;
    update();
}

void FrequencyView::rebuildLayers() {
    const qreal ratio = devicePixelRatioF();
    const auto canvas = [&] {
        QPixmap pixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    };
    m_backdrop = canvas();
    m_lit = canvas();
    m_layersFor = {size(), ratio, m_spectrum.edgeHz.front(), m_spectrum.edgeHz.back()};

    QPainter p(&m_backdrop);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(16, 19, 24));
    background.setColorAt(1, QColor(26, 31, 38));
    p.fillRect(rect(), background);

    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.75));
    p.setFont(small);
    const QFontMetrics metrics(small);
    m_plot = QRectF(metrics.horizontalAdvance(QStringLiteral("-80")) + 8, 6,
                    width() - metrics.horizontalAdvance(QStringLiteral("-80")) - 14,
                    height() - metrics.height() - 12);
    if (m_plot.width() < 10 || m_plot.height() < 10)
        return;
    const float lowHz = m_layersFor.lowHz;
    const float highHz = m_layersFor.highHz;
    const auto xOf = [&](float hz) {
        return m_plot.left() + m_plot.width() * std::log(hz / lowHz) / std::log(highHz / lowHz);
    };
    p.setPen(kText);
    for (int db = 0; db >= kBottomDb; db -= 20) {
        const qreal y = yOf(static_cast<float>(db));
        p.fillRect(QRectF(m_plot.left(), y, m_plot.width(), 1), kGrid);
        p.drawText(QRectF(0, y - metrics.height() / 2.0, m_plot.left() - 4, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(db));
    }
    for (const int hz : kGridHz) {
        if (hz <= lowHz || hz >= highHz)
            continue;
        const qreal x = xOf(static_cast<float>(hz));
        p.fillRect(QRectF(x, m_plot.top(), 1, m_plot.height()), kGrid);
        const QString label = hzLabel(hz);
        p.drawText(
            QPointF(x - metrics.horizontalAdvance(label) / 2.0, m_plot.bottom() + 4 + metrics.ascent()),
            label);
    }

    // The colour tells the level: teal at the bottom, warm near full scale.
    QPainter lit(&m_lit);
    QLinearGradient barColours(0, m_plot.bottom(), 0, m_plot.top());
    barColours.setColorAt(0, QColor(0, 121, 140));
    barColours.setColorAt(0.45, QColor(38, 198, 218));
    barColours.setColorAt(0.8, QColor(255, 238, 88));
    barColours.setColorAt(1, QColor(255, 112, 67));
    lit.fillRect(rect(), barColours);
}

qreal FrequencyView::yOf(float db) const {
    return m_plot.bottom() - m_plot.height() * (std::clamp(db, kBottomDb, 0.0f) - kBottomDb) / -kBottomDb;
}

void FrequencyView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_layersFor = {};
}

// Backdrop and lit bars are drawn once per size and band layout; each frame only copies.
void FrequencyView::paintEvent(QPaintEvent*) {
    const LayerKey key{size(), devicePixelRatioF(), m_spectrum.edgeHz.front(), m_spectrum.edgeHz.back()};
    if (!(m_layersFor == key))
        rebuildLayers();
    QPainter p(this);
    p.drawPixmap(0, 0, m_backdrop);
    if (m_plot.width() < 10 || m_plot.height() < 10)
        return;

    const qreal ratio = key.ratio;
    const size_t bands = m_spectrum.bandDb.size();
    const qreal slot = m_plot.width() / static_cast<qreal>(bands);
    const qreal gap = std::min(2.0, slot / 4);
    for (size_t i = 0; i < bands; ++i) {
        const qreal left = m_plot.left() + slot * static_cast<qreal>(i) + gap / 2;
        const qreal top = yOf(m_spectrum.bandDb[i]);
        if (top < m_plot.bottom()) {
            const QRectF bar(left, top, slot - gap, m_plot.bottom() - top);
            p.drawPixmap(bar, m_lit, QRectF(bar.topLeft() * ratio, bar.size() * ratio));
        }
        if (m_capDb[i] > kBottomDb)
            p.fillRect(QRectF(left, yOf(m_capDb[i]) - 2, slot - gap, 2), QColor(230, 240, 250));
    }

    if (m_peakHz > 0) {
        p.setPen(QColor(230, 240, 250));
        p.drawText(m_plot.adjusted(0, 2, -4, 0), Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("%1 Hz").arg(std::lround(m_peakHz)));
    }
}
