#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;
class QxSNMPRequest2Edits;

// The port-list window of an edits-panel row: one check box per port under its
// number, in a grid, bound to the bits of the row's variable (box k is port k+1).
// OK copies the boxes into the variable's value text; a variable that cannot be
// written shows its ports with OK only.
class TPortListForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Margin = 10;
    static constexpr int CheckBoxWidth = 20;

    TPortListForm(QWidget *owner, QxSNMPRequest2Edits &controller, int position, int columns, int portCount);

    const QList<QCheckBox *> &boxes() const { return m_boxes; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *checkAllButton() const { return m_checkAll; }
    QPushButton *clearChecksButton() const { return m_clearChecks; }
    bool writable() const { return m_writable; }

    void accept() override;

private:
    QxSNMPRequest2Edits &m_controller;
    int m_position;
    bool m_writable;
    QList<QCheckBox *> m_boxes;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_checkAll = nullptr;
    QPushButton *m_clearChecks = nullptr;
};
