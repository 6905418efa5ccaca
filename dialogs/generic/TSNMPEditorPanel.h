#pragma once

#include "dialogs/generic/TSNMPPanel.h"

class TEditsPanel;

// The editor page: an edits panel as content, Set Checked writing the ticked
// rows, Check All and Clear Checks on the rows' check boxes.
class TSNMPEditorPanel : public TSNMPPanel
{
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget *parent, QxSNMPRequest2Edits *controller);

    TEditsPanel *editsPanel() const { return m_editsPanel; }

    // An input format for one edit row (the constraint language of the edits).
    void setVarFormat(int row, const QString &format);
    // The width of every value control; the page and its dialog are sized again.
    void setValueWidth(int width);
    void makePortListRow(int row, int columns, int portCount);

    void setMessages(const TDialogMessages &messages) override;

public slots:
    void SetCheckedBtnClick();
    void CheckAllBtnClick();
    void ClearChecksBtnClick();

private:
    TEditsPanel *m_editsPanel = nullptr;
};
