#pragma once

#include <QWidget>

// The NX-2400P's front panel, drawn in code at any resolution: the dark metal
// front with the maker's name and model, the recesses of the port blocks, LED
// windows and their labels. The sockets, LEDs and mode button are widgets of
// their own placed over it. A click on it is reported.
class TPanelNX2400PArtwork : public QWidget
{
    Q_OBJECT

public:
    explicit TPanelNX2400PArtwork(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintBody(QPainter &p) const;
    void paintBranding(QPainter &p) const;
    void paintSystemLeds(QPainter &p) const;
    void paintLedBlock(QPainter &p) const;
    void paintPortBlocks(QPainter &p) const;
};
