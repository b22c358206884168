#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label for a running time ("12:34.567") that changes many times a second: it draws each
// character from a cached image of its glyph rather than laying the text out anew on every
// change, and paints its own background, so that nothing behind it repaints. Any other text
// is drawn as a QLabel draws it.
class RunningTimeLabel : public QLabel {
    Q_OBJECT
public:
    explicit RunningTimeLabel(const QString& text, QWidget* parent = nullptr);

    // Shows `time` at once. What text() and assistive technologies read follows when the time
    // before the decimal point changes: a screen reader is not told of every millisecond.
    void showRunning(const QString& time);
    // Shows `text` and makes it what the label reads, as the running time ends.
    void showFinal(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Glyph {
        QPixmap image; // null for a character the label draws as a QLabel does
        qreal advance = 0;
    };
    // The glyph of `c`, drawn in the label's font and colour.
    const Glyph& glyph(QChar c);

    QString m_running;
    QHash<QChar, Glyph> m_glyphs;
    qreal m_glyphRatio = 0;
};
