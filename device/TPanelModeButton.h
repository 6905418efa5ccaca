#pragma once

#include <QWidget>

// The recessed round push button that switches the port LEDs between the link
// and the PoE view. A picture drawn in code; it reports clicks.
class TPanelModeButton : public QWidget
{
    Q_OBJECT

public:
    explicit TPanelModeButton(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_down = false;
};
