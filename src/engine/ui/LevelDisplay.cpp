#include "engine/ui/LevelDisplay.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kFloorDb = LevelMeter::kFloorDb;
constexpr std::array kScaleDb{-60, -48, -36, -24, -18, -12, -6, -3, 0};

const QColor kBackground(22, 25, 30);
const QColor kText(150, 158, 170);

QColor zoneColour(float db) {
    if (db >= -3)
        return QColor(231, 76, 60);
    if (db >= -12)
        return QColor(241, 196, 15);
    return QColor(46, 204, 113);
}

} // namespace

LevelDisplay::LevelDisplay(QWidget* parent)
    : QWidget(parent) {
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

void LevelDisplay::draw(const SampleBlock& monoBlock) {
    m_meter.measure(monoBlock, m_clock.elapsed());
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
    light(m_peakLayer, m_meter.peakDb());
    light(m_rmsLayer, m_meter.rmsDb());

    if (m_meter.holdDb() > kFloorDb) {
        p.fillRect(QRectF(xOf(m_meter.holdDb()) - 1.5, m_bar.top() - 2, 3, m_bar.height() + 4),
                   zoneColour(m_meter.holdDb()).lighter(130));
    }

    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.75));
    p.setFont(small);
    const QString readout = m_meter.peakDb() > kFloorDb
                                ? QStringLiteral("%1 dB").arg(m_meter.peakDb(), 0, 'f', 1)
                                : QStringLiteral("-\u221e dB");
    p.setPen(m_meter.peakDb() > kFloorDb ? zoneColour(m_meter.peakDb()) : kText);
    p.drawText(QRectF(width() - m_readoutWidth, m_bar.top(), m_readoutWidth - 4, m_bar.height()),
               Qt::AlignRight | Qt::AlignVCenter, readout);
}
