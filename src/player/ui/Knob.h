#pragma once

#include <QWidget>

// A knob dragged horizontally between two left-edge positions of its parent, in pixels.
class Knob : public QWidget {
    Q_OBJECT
public:
    Knob(int minLeft, int maxLeft, QWidget* parent);

    bool isDragging() const { return m_dragging; }
    // Moves the knob's left edge to `left`, kept within its limits (no signal).
    void place(int left);
    int minLeft() const { return m_minLeft; }
    int maxLeft() const { return m_maxLeft; }

Q_SIGNALS:
    void moved(int left);
    void released(int left);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_minLeft;
    int m_maxLeft;
    int m_grab = 0;
    bool m_dragging = false;
};
