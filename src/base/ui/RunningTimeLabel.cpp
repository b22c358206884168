#include "base/ui/RunningTimeLabel.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>

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

const RunningTimeLabel::Glyph& RunningTimeLabel::glyph(QChar c) {
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_glyphRatio) {
        m_glyphs.clear();
        m_glyphRatio = ratio;
    }
    if (const auto found = m_glyphs.constFind(c); found != m_glyphs.cend())
        return *found;
    Glyph made;
    if (kDrawnCharacters.contains(c)) {
        const QFontMetricsF metrics(font());
        made.advance = metrics.horizontalAdvance(c);
        // A pixel of room on either side for the antialiased edges.
        made.image = QPixmap(QSize(static_cast<int>(std::ceil(made.advance)) + 2,
                                   static_cast<int>(std::ceil(metrics.height()))) *
                             ratio);
        made.image.setDevicePixelRatio(ratio);
        made.image.fill(Qt::transparent);
        QPainter p(&made.image);
        p.setFont(font());
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        p.drawText(QPointF(1, metrics.ascent()), QString(c));
    }
    return *m_glyphs.insert(c, made);
}

void RunningTimeLabel::paintEvent(QPaintEvent* event) {
    const QString shown = m_running.isEmpty() ? text() : m_running;
    if (shown.isEmpty()) {
        QPainter(this).fillRect(event->rect(), palette().brush(backgroundRole()));
        return;
    }
    qreal width = 0;
    for (const QChar c : shown) {
        const Glyph& g = glyph(c);
        if (g.image.isNull()) {
            QPainter(this).fillRect(event->rect(), palette().brush(backgroundRole()));
            QLabel::paintEvent(event);
            return;
        }
        width += g.advance;
    }
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QRect placed =
        QStyle::alignedRect(layoutDirection(), QStyle::visualAlignment(layoutDirection(), alignment()),
                            QSize(static_cast<int>(std::ceil(width)),
                                  glyph(shown.front()).image.deviceIndependentSize().toSize().height()),
                            area);
    QPainter p(this);
    p.fillRect(event->rect(), palette().brush(backgroundRole()));
    qreal x = placed.left();
    for (const QChar c : shown) {
        const Glyph& g = glyph(c);
        p.drawPixmap(QPointF(std::round(x) - 1, placed.top()), g.image);
        x += g.advance;
    }
}
