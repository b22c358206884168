#include "player/ui/Knob.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

Knob::Knob(int minLeft, int maxLeft, QWidget* parent)
    : QWidget(parent)
    , m_minLeft(minLeft)
    , m_maxLeft(maxLeft) {
    setCursor(Qt::SizeHorCursor);
}

void Knob::place(int left) {
    move(std::clamp(left, m_minLeft, m_maxLeft), y());
}

void Knob::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(m_dragging ? palette().color(QPalette::Highlight) : palette().color(QPalette::Button));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void Knob::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grab = event->position().toPoint().x();
    update();
}

void Knob::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const int left = mapToParent(event->position().toPoint()).x() - m_grab;
    place(left);
    Q_EMIT moved(x());
}

void Knob::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    update();
    Q_EMIT released(x());
}
