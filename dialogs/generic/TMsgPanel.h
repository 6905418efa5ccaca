#pragma once

#include <QFrame>

class QPlainTextEdit;

// The message panel at the bottom of an SNMP panel: its text box is the
// controller's status target, receiving status lines and error texts.
class TMsgPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int PanelHeight = 50;

    explicit TMsgPanel(QWidget *parent);

    QPlainTextEdit *memo() const { return m_memo; }

private:
    QPlainTextEdit *m_memo;
};
