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
    if (m_layersFor.size.isEmpty()) {
        update();
        return;
    }
    if (!show(shownNow()))
        return;
    // The scale below the bar never changes with the levels.
    update(QRectF(0, m_bar.top() - 2, width(), m_bar.height() + 4).toAlignedRect());
}

bool LevelDisplay::show(const Shown& now) {
    if (now == m_shown)
        return false;
    if (now.readoutTenthsDb != m_shown.readoutTenthsDb || m_readout.text().isEmpty()) {
        m_readout.setText(now.readoutTenthsDb > 10 * kFloorDb
                              ? QStringLiteral("%1 dB").arg(now.readoutTenthsDb / 10.0, 0, 'f', 1)
                              : QStringLiteral("-\u221e dB"));
        // Laid out now in the font it is drawn in, so that its size places it right.
        m_readout.prepare({}, m_smallFont);
    }
    m_shown = now;
    return true;
}

int LevelDisplay::pixelOf(float db) const {
    return static_cast<int>(std::lround(xOf(db) * m_layersFor.ratio));
}

LevelDisplay::Shown LevelDisplay::shownNow() const {
    return {pixelOf(m_meter.peakDb()), pixelOf(m_meter.rmsDb()),
            m_meter.holdDb() > kFloorDb ? pixelOf(m_meter.holdDb()) : -1,
            m_meter.peakDb() > kFloorDb ? static_cast<int>(std::lround(m_meter.peakDb() * 10))
                                        : static_cast<int>(10 * kFloorDb)};
}

void LevelDisplay::rebuildLayers() {
    const qreal ratio = devicePixelRatioF();
    m_layersFor = {size(), ratio};
    m_smallFont = font();
    m_smallFont.setPointSizeF(std::max(6.0, m_smallFont.pointSizeF() * 0.75));
    const QFont& small = m_smallFont;
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
    if (!(m_layersFor == LayerKey{size(), devicePixelRatioF()})) {
        rebuildLayers();
        m_shown = {};
        show(shownNow());
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_backdrop);
    const qreal ratio = m_layersFor.ratio;
    const auto light = [&](const QPixmap& layer, int rightPixel) {
        const qreal right = rightPixel / ratio;
        const QRectF lit(m_bar.left(), m_bar.top(), std::max(0.0, right - m_bar.left()), m_bar.height());
        p.drawPixmap(lit, layer, QRectF(lit.topLeft() * ratio, lit.size() * ratio));
    };
    light(m_peakLayer, m_shown.peak);
    light(m_rmsLayer, m_shown.rms);

    if (m_shown.hold >= 0) {
        p.fillRect(QRectF(m_shown.hold / ratio - 1.5, m_bar.top() - 2, 3, m_bar.height() + 4),
                   zoneColour(m_meter.holdDb()).lighter(130));
    }

    const float readoutDb = static_cast<float>(m_shown.readoutTenthsDb) / 10;
    p.setFont(m_smallFont);
    p.setPen(readoutDb > kFloorDb ? zoneColour(readoutDb) : kText);
    const QSizeF text = m_readout.size();
    p.drawStaticText(QPointF(width() - 4 - text.width(), m_bar.center().y() - text.height() / 2), m_readout);
}
