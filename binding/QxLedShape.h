#pragma once

#include <QColor>
#include <QWidget>

// The small coloured shape that shows one LED. It is drawn as a lens: a lit
// colour glows, black looks like a dark, unlit LED. Vector drawing, so it stays
// sharp at any device pixel ratio.
class QxLedShape : public QWidget
{
    Q_OBJECT

public:
    enum Kind { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

    explicit QxLedShape(QWidget *parent = nullptr, Kind kind = Rectangle);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);
    // Fill and outline colour; shows the shape.
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

    // A 24-bit colour value of the LED colour maps (red low) as a Qt colour.
    static QColor toQColor(int color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_color = Qt::black;
};
