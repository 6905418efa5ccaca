#pragma once

#include "dialogs/generic/TSNMPEditorPanel.h"

#include <QString>
#include <functional>

class QDialog;
class TListViewPanel;

// The table page: the table's rows in a list, Edit and Add in small modal
// dialogs that borrow the page's edits panel (kept hidden on the page), and
// Delete writing the row-status column alone.
class TSNMPListViewPanel : public TSNMPEditorPanel
{
    Q_OBJECT
public:
    static constexpr int EditValueWidth = 200;

    using Hook = std::function<void()>;
    // Runs the add and edit dialogs modally; returns their result.
    using DialogRunner = std::function<int(QDialog &)>;

    TSNMPListViewPanel(QWidget *parent, QxSNMPRequest2Edits *controller);
    ~TSNMPListViewPanel() override;

    TListViewPanel *listViewPanel() const { return m_listViewPanel; }

    void SetAddStatus(int column, const QString &text);
    void SetDeleteStatus(int column, const QString &text);

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }
    // Hides Edit and stops a double click from opening the edit dialog.
    void hideEdit();

    void setBeforeAdd(Hook hook) { m_beforeAdd = std::move(hook); }
    void setAfterAdd(Hook hook) { m_afterAdd = std::move(hook); }
    void setBeforeEdit(Hook hook) { m_beforeEdit = std::move(hook); }
    void setAfterEdit(Hook hook) { m_afterEdit = std::move(hook); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    void setMessages(const TDialogMessages &messages) override;


public slots:
    void RefreshBtnClick() override;
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void LVClick();
    void LVDblClick();

private:
    void runAddDialog();
    void runEditDialog();
    // A panel for an add or edit dialog, sharing the page's message panel.
    TSNMPPanel *dialogPanel(QDialog &dialog);
    void updateCount(const QString &count);
    bool rowSelected() const;

    TListViewPanel *m_listViewPanel = nullptr;
    bool m_readOnly = false;
    bool m_editByDoubleClick = true;
    Hook m_beforeAdd;
    Hook m_afterAdd;
    Hook m_beforeEdit;
    Hook m_afterEdit;
    DialogRunner m_runDialog;
};
