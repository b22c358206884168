#include "engine/ui/FrequencyView.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kBottomDb = BandMeter::kFloorDb;
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
}

QSize FrequencyView::sizeHint() const {
    return {420, 180};
}

QSize FrequencyView::minimumSizeHint() const {
    return {240, 110};
}

void FrequencyView::setFormat(int sampleRate, int channels) {
    const int rate = m_meter.sampleRate();
    const int count = m_meter.channels();
    m_meter.setFormat(sampleRate, channels);
    if (m_meter.sampleRate() != rate || m_meter.channels() != count)
        update();
}

void FrequencyView::setSamplesPerUpdate(int values) {
    m_samplesPerUpdate = std::clamp(values, 64, 2 * FrequencyAnalyzer::kMaxSamples);
}

void FrequencyView::draw(const SampleBlock& block) {
    m_meter.measure(block, m_clock.elapsed());
    if (m_layersFor.size.isEmpty() || m_plot.width() < 10 || m_plot.height() < 10) {
        update();
        return;
    }
    measureShown(m_next);
    const QRect changed = changedArea();
    if (showNext())
        update(changed);
}

// The columns of the bands whose bar or cap moved, and the peak's label if it changed.
QRect FrequencyView::changedArea() const {
    if (m_next.barTops.size() != m_shown.barTops.size())
        return m_plot.toAlignedRect();
    std::size_t first = m_next.barTops.size(), last = 0;
    for (std::size_t i = 0; i < m_next.barTops.size(); ++i) {
        if (m_next.barTops[i] != m_shown.barTops[i] || m_next.capTops[i] != m_shown.capTops[i]) {
            first = std::min(first, i);
            last = i;
        }
    }
    QRect area;
    if (first <= last) {
        const qreal slot = m_plot.width() / static_cast<qreal>(m_next.barTops.size());
        area = QRectF(m_plot.left() + slot * static_cast<qreal>(first), m_plot.top(),
                      slot * static_cast<qreal>(last - first + 1), m_plot.height())
                   .toAlignedRect();
    }
    if (m_next.peakHz != m_shown.peakHz)
        area |= QRectF(m_plot.center().x(), m_plot.top(), m_plot.width() / 2,
                       QFontMetricsF(m_smallFont).height() + 4)
                    .toAlignedRect();
    return area;
}

void FrequencyView::measureShown(Shown& into) const {
    const auto pixel = [ratio = m_layersFor.ratio, this](float db) {
        return static_cast<int>(std::lround(yOf(db) * ratio));
    };
    const std::vector<float>& bars = m_meter.barDb();
    const std::vector<float>& caps = m_meter.capDb();
    into.barTops.resize(bars.size());
    into.capTops.resize(caps.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        into.barTops[i] = pixel(bars[i]);
        into.capTops[i] = caps[i] > kBottomDb ? pixel(caps[i]) : -1;
    }
    into.peakHz = m_meter.peakHz() > 0 ? std::lround(m_meter.peakHz()) : 0;
}

bool FrequencyView::showNext() {
    if (m_next == m_shown)
        return false;
    if (m_next.peakHz != m_shown.peakHz) {
        m_peakLabel.setText(m_next.peakHz > 0 ? QStringLiteral("%1 Hz").arg(m_next.peakHz) : QString());
        m_peakLabel.prepare({}, m_smallFont);
    }
    std::swap(m_next, m_shown);
    return true;
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
    m_layersFor = {size(), ratio, m_meter.edgeHz().front(), m_meter.edgeHz().back()};

    QPainter p(&m_backdrop);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(16, 19, 24));
    background.setColorAt(1, QColor(26, 31, 38));
    p.fillRect(rect(), background);

    m_smallFont = font();
    m_smallFont.setPointSizeF(std::max(6.0, m_smallFont.pointSizeF() * 0.75));
    p.setFont(m_smallFont);
    const QFontMetrics metrics(m_smallFont);
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
void FrequencyView::paintEvent(QPaintEvent* event) {
    const LayerKey key{size(), devicePixelRatioF(), m_meter.edgeHz().front(), m_meter.edgeHz().back()};
    if (!(m_layersFor == key)) {
        rebuildLayers();
        m_shown = {};
        measureShown(m_next);
        showNext();
    }
    const qreal ratio = key.ratio;
    QPainter p(this);
    const QRectF dirty = event->rect();
    p.drawPixmap(dirty, m_backdrop, QRectF(dirty.topLeft() * ratio, dirty.size() * ratio));
    if (m_plot.width() < 10 || m_plot.height() < 10)
        return;

    const size_t bands = m_shown.barTops.size();
    const qreal slot = m_plot.width() / static_cast<qreal>(bands);
    const qreal gap = std::min(2.0, slot / 4);
    const qreal bottom = m_plot.bottom();
    const long bottomPixel = std::lround(bottom * ratio);
    for (size_t i = 0; i < bands; ++i) {
        const qreal left = m_plot.left() + slot * static_cast<qreal>(i) + gap / 2;
        const qreal top = m_shown.barTops[i] / ratio;
        if (m_shown.barTops[i] < bottomPixel) {
            const QRectF bar(left, top, slot - gap, bottom - top);
            p.drawPixmap(bar, m_lit, QRectF(bar.topLeft() * ratio, bar.size() * ratio));
        }
        if (m_shown.capTops[i] >= 0)
            p.fillRect(QRectF(left, m_shown.capTops[i] / ratio - 2, slot - gap, 2), QColor(230, 240, 250));
    }

    if (m_shown.peakHz > 0) {
        p.setFont(m_smallFont);
        p.setPen(QColor(230, 240, 250));
        p.drawStaticText(QPointF(m_plot.right() - 4 - m_peakLabel.size().width(), m_plot.top() + 2),
                         m_peakLabel);
    }
}
