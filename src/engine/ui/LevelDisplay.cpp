#include "engine/ui/LevelDisplay.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kFloorDb = -60;
// Falls are per second, so the meter moves alike at any Draw rate.
constexpr float kFallDbPerSecond = 24;
constexpr float kHoldFallDbPerSecond = 12;
constexpr qint64 kHoldMs = 1500;
constexpr std::array kScaleDb{-60, -48, -36, -24, -18, -12, -6, -3, 0};

const QColor kBackground(22, 25, 30);
const QColor kText(150, 158, 170);

float toDb(double ratio) {
    return std::max(kFloorDb, static_cast<float>(20 * std::log10(std::max(ratio, 1e-9))));
}

QColor zoneColour(float db) {
    if (db >= -3)
        return QColor(231, 76, 60);
    if (db >= -12)
        return QColor(241, 196, 15);
    return QColor(46, 204, 113);
}

} // namespace

LevelDisplay::LevelDisplay(QWidget* parent)
    : QWidget(parent)
    , m_peakDb(kFloorDb)
    , m_rmsDb(kFloorDb)
    , m_holdDb(kFloorDb) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_clock.start();
}

QSize LevelDisplay::sizeHint() const {
    return {360, 48};
}

QSize LevelDisplay::minimumSizeHint() const {
    return {200, 44};
}

void LevelDisplay::Draw(const SampleBlock& monoBlock) {
    const qint64 now = m_clock.elapsed();
    const float seconds = std::clamp(static_cast<float>(now - m_lastDrawMs) / 1000.0f, 0.0f, 1.0f);
    m_lastDrawMs = now;
    if (monoBlock.empty()) {
        m_peakDb = m_rmsDb = m_holdDb = kFloorDb;
        update();
        return;
    }
    int peak = 0;
    double squares = 0;
    for (const std::int16_t s : monoBlock) {
        peak = std::max(peak, std::abs(int{s}));
        squares += static_cast<double>(s) * s;
    }
    const float peakDb = toDb(peak / 32768.0);
    const float rmsDb = toDb(std::sqrt(squares / static_cast<double>(monoBlock.size())) / 32768.0);
    m_peakDb = std::max(peakDb, m_peakDb - kFallDbPerSecond * seconds);
    m_rmsDb = std::max(rmsDb, m_rmsDb - kFallDbPerSecond * seconds);
    if (peakDb >= m_holdDb) {
        m_holdDb = peakDb;
        m_holdSinceMs = now;
    } else if (now - m_holdSinceMs > kHoldMs) {
        m_holdDb = std::max(m_peakDb, m_holdDb - kHoldFallDbPerSecond * seconds);
    }
    update();
}

void LevelDisplay::rebuildLayers() {
    const qreal ratio = devicePixelRatioF();
    m_layersFor = {size(), ratio};
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.75));
    const QFontMetrics metrics(small);
    m_readoutWidth = metrics.horizontalAdvance(QStringLiteral("-60.0 dB")) + 8;
    m_bar = QRectF(6, 6, width() - 12 - m_readoutWidth, std::max(8, height() - 12 - metrics.height()));

    QLinearGradient zones(m_bar.topLeft(), m_bar.topRight());
    zones.setColorAt(0, QColor(30, 150, 80));
    zones.setColorAt((-12 - kFloorDb) / -kFloorDb, QColor(46, 204, 113));
    zones.setColorAt((-9 - kFloorDb) / -kFloorDb, QColor(241, 196, 15));
    zones.setColorAt((-3 - kFloorDb) / -kFloorDb, QColor(241, 150, 15));
    zones.setColorAt((-2 - kFloorDb) / -kFloorDb, QColor(231, 76, 60));
    zones.setColorAt(1, QColor(231, 76, 60));

    // The scale at three strengths: unlit, peak (dimmer) and RMS (full).
    const auto layer = [&](qreal opacity) {
        QPixmap pixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(kBackground);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setOpacity(opacity);
        p.setBrush(zones);
        p.drawRoundedRect(m_bar, 2, 2);
        p.setOpacity(1);
        // Gaps give the bar the look of a row of lamps.
        for (qreal x = m_bar.left() + 4; x < m_bar.right(); x += 4)
            p.fillRect(QRectF(x, m_bar.top(), 1, m_bar.height()), kBackground);
        return pixmap;
    };
    m_backdrop = layer(0.12);
    m_peakLayer = layer(0.45);
    m_rmsLayer = layer(1);

    QPainter p(&m_backdrop);
    p.setFont(small);
    p.setPen(kText);
    for (const int db : kScaleDb) {
        const qreal x = xOf(static_cast<float>(db));
        p.drawLine(QPointF(x, m_bar.bottom() + 1), QPointF(x, m_bar.bottom() + 4));
        const QString label = QString::number(db);
        const qreal w = metrics.horizontalAdvance(label);
        p.drawText(QPointF(std::clamp(x - w / 2, 0.0, width() - m_readoutWidth - w),
                           m_bar.bottom() + 4 + metrics.ascent()),
                   label);
    }
}

qreal LevelDisplay::xOf(float db) const {
    return m_bar.left() + m_bar.width() * (db - kFloorDb) / -kFloorDb;
}

// The scale is drawn once per size; each frame copies the lit part of each layer.
void LevelDisplay::paintEvent(QPaintEvent*) {
    if (!(m_layersFor == LayerKey{size(), devicePixelRatioF()}))
        rebuildLayers();
    QPainter p(this);
    p.drawPixmap(0, 0, m_backdrop);
    const qreal ratio = m_layersFor.ratio;
    const auto light = [&](const QPixmap& layer, float db) {
        const QRectF lit(m_bar.left(), m_bar.top(), std::max(0.0, xOf(db) - m_bar.left()), m_bar.height());
        p.drawPixmap(lit, layer, QRectF(lit.topLeft() * ratio, lit.size() * ratio));
    };
    light(m_peakLayer, m_peakDb);
    light(m_rmsLayer, m_rmsDb);

    if (m_holdDb > kFloorDb) {
        p.fillRect(QRectF(xOf(m_holdDb) - 1.5, m_bar.top() - 2, 3, m_bar.height() + 4),
                   zoneColour(m_holdDb).lighter(130));
    }

    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.75));
    p.setFont(small);
    const QString readout =
        m_peakDb > kFloorDb ? QStringLiteral("%1 dB").arg(m_peakDb, 0, 'f', 1) : QStringLiteral("-\u221e dB");
    p.setPen(m_peakDb > kFloorDb ? zoneColour(m_peakDb) : kText);
    p.drawText(QRectF(width() - m_readoutWidth, m_bar.top(), m_readoutWidth - 4, m_bar.height()),
               Qt::AlignRight | Qt::AlignVCenter, readout);
}
