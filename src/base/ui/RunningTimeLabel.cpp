#include "base/ui/RunningTimeLabel.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace {

const QString kDrawnCharacters = QStringLiteral("0123456789:.-");

} // namespace

RunningTimeLabel::RunningTimeLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RunningTimeLabel::showRunning(const QString& time) {
    if (time == m_running)
        return;
    const QStringView whole = QStringView(time).left(time.indexOf(QLatin1Char('.')));
    m_running = time;
    if (whole != QStringView(text()).left(text().indexOf(QLatin1Char('.'))))
        setText(time);
    update();
}

void RunningTimeLabel::showFinal(const QString& text) {
    m_running.clear();
    setText(text);
    update();
}

void RunningTimeLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::EnabledChange || event->type() == QEvent::StyleChange)
        m_glyphs.clear();
    QLabel::changeEvent(event);
}

const QPixmap& RunningTimeLabel::glyph(QChar c) {
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_glyphRatio) {
        m_glyphs.clear();
        m_glyphRatio = ratio;
    }
    if (const auto found = m_glyphs.constFind(c); found != m_glyphs.cend())
        return *found;
    QPixmap image;
    if (kDrawnCharacters.contains(c)) {
        const QFontMetrics metrics(font());
        image = QPixmap(QSize(metrics.horizontalAdvance(c), metrics.height()) * ratio);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setFont(font());
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        p.drawText(QPointF(0, metrics.ascent()), QString(c));
    }
    return *m_glyphs.insert(c, image);
}

void RunningTimeLabel::paintEvent(QPaintEvent* event) {
    const QString shown = m_running.isEmpty() ? text() : m_running;
    qreal width = 0;
    int height = 0;
    for (const QChar c : shown) {
        const QPixmap& image = glyph(c);
        if (image.isNull()) {
            QPainter(this).fillRect(event->rect(), palette().brush(backgroundRole()));
            QLabel::paintEvent(event);
            return;
        }
        width += image.deviceIndependentSize().width();
        height = std::max(height, static_cast<int>(image.deviceIndependentSize().height()));
    }
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QRect placed =
        QStyle::alignedRect(layoutDirection(), QStyle::visualAlignment(layoutDirection(), alignment()),
                            QSize(static_cast<int>(std::ceil(width)), height), area);
    QPainter p(this);
    p.fillRect(event->rect(), palette().brush(backgroundRole()));
    qreal x = placed.left();
    for (const QChar c : shown) {
        const QPixmap& image = glyph(c);
        p.drawPixmap(QPointF(x, placed.top()), image);
        x += image.deviceIndependentSize().width();
    }
}
