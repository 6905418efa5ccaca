#include "dialogs/generic/TSNMPListViewPanel.h"

#include "binding/QxEnterKey.h"
#include "binding/InvalidColumns.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/SynchronousMode.h"
#include "dialogs/generic/TCtrlBtnPanel.h"
#include "dialogs/generic/TEditsPanel.h"
#include "dialogs/generic/TListViewPanel.h"
#include "dialogs/generic/TPanelUsageError.h"
#include "snmp/QxSNMPException.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <exception>
#include <vector>

namespace {

QString errorText(const std::exception &e)
{
    if (const auto *snmp = dynamic_cast<const QxSNMPException *>(&e))
        return snmp->text();
    return QString::fromUtf8(e.what());
}

// While an add or edit dialog is open the page's edits panel is its form; it
// goes back to the page, hidden, however the dialog ends (before the dialog
// itself is destroyed), and the input checks answer to the page's window again.
class BorrowedEdits
{
public:
    BorrowedEdits(TEditsPanel *edits, QWidget *pageContent, QxSNMPRequest2Edits *controller, QWidget *pageWindow,
                  QDialog &dialog)
        : m_edits(edits), m_pageContent(pageContent), m_pageBar(edits->ctrlBar()), m_controller(controller),
          m_pageWindow(pageWindow)
    {
        if (m_controller)
            m_controller->constraint().setOwnerWindow(&dialog);
    }
    ~BorrowedEdits()
    {
        m_edits->hide();
        m_edits->setParent(m_pageContent);
        m_edits->setCtrlBar(m_pageBar);
        if (m_controller)
            m_controller->constraint().setOwnerWindow(m_pageWindow);
    }
    BorrowedEdits(const BorrowedEdits &) = delete;
    BorrowedEdits &operator=(const BorrowedEdits &) = delete;

private:
    TEditsPanel *m_edits;
    QWidget *m_pageContent;
    TCtrlBtnPanel *m_pageBar;
    QPointer<QxSNMPRequest2Edits> m_controller;
    QPointer<QWidget> m_pageWindow;
};

// The choices an edit dialog takes out of the status lists, put back in their
// places when it closes.
class RemovedChoices
{
public:
    explicit RemovedChoices(TEditsPanel *edits) : m_edits(edits) {}
    ~RemovedChoices()
    {
        for (int row : m_hiddenRows)
            m_edits->showRow(row);
        for (auto it = m_removed.rbegin(); it != m_removed.rend(); ++it)
            if (QComboBox *combo = m_edits->comboBox(it->row))
                combo->insertItem(it->index, it->text);
    }
    RemovedChoices(const RemovedChoices &) = delete;
    RemovedChoices &operator=(const RemovedChoices &) = delete;

    void remove(int row, const QString &text)
    {
        QComboBox *combo = m_edits->comboBox(row);
        if (!combo)
            return;
        const int index = combo->findText(text);
        if (index >= 0) {
            m_removed.push_back({row, index, text});
            combo->removeItem(index);
        }
        if (combo->count() == 0 && !m_hiddenRows.contains(row)) {
            m_edits->hideRow(row);
            m_hiddenRows << row;
        }
    }

private:
    struct Choice
    {
        int row;
        int index;
        QString text;
    };
    TEditsPanel *m_edits;
    std::vector<Choice> m_removed;
    QList<int> m_hiddenRows;
};

} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget *parent, QxSNMPRequest2Edits *controller)
    : TSNMPEditorPanel(parent, controller)
{
    setObjectName(QStringLiteral("SNMPListViewPanel"));
    m_listViewPanel = new TListViewPanel(contentPanel(), controller);
    connect(m_listViewPanel, &TListViewPanel::clicked, this, &TSNMPListViewPanel::LVClick);
    connect(m_listViewPanel->listView(), &QTreeWidget::itemDoubleClicked, this, &TSNMPListViewPanel::LVDblClick);
    // A row that leaves the selection without a click (the filter hid it)
    // takes Edit and Delete along: no write acts on a row out of sight.
    connect(m_listViewPanel->listView(), &QTreeWidget::itemSelectionChanged, this, [this] {
        if (rowSelected())
            return;
        ctrlBtnPanel()->editButton()->setEnabled(false);
        ctrlBtnPanel()->deleteButton()->setEnabled(false);
    });
    connect(m_listViewPanel, &TListViewPanel::countChanged, this, &TSNMPListViewPanel::updateCount);

    TCtrlBtnPanel *bar = ctrlBtnPanel();
    connect(bar->editButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::EditBtnClick);
    connect(bar->addButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::AddBtnClick);
    connect(bar->deleteButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::DeleteBtnClick);

    m_listViewPanel->ArrangeCtrlBtn(bar);
    if (!editsPanel()->anyEditable()) {
        bar->editButton()->hide();
        bar->relayout();
    }
    showContent(m_listViewPanel);
    m_beforeAdd = [this] { editsPanel()->clearValues(); };
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    // The list's rows go before the bar that counts them and the buttons
    // their selection enables.
    m_listViewPanel->disconnect(this);
    m_listViewPanel->listView()->disconnect(this);
}

void TSNMPListViewPanel::setMessages(const TDialogMessages &messages)
{
    TSNMPEditorPanel::setMessages(messages);
    m_listViewPanel->setMessages(messages);
}

void TSNMPListViewPanel::SetAddStatus(int column, const QString &text)
{
    QComboBox *combo = editsPanel()->comboBox(column);
    if (!combo || combo->findText(text) < 0)
        throw TPanelUsageError(QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + text);
    m_listViewPanel->setAddStatus(column, text);
    ctrlBtnPanel()->addButton()->show();
    ctrlBtnPanel()->relayout();
}

void TSNMPListViewPanel::SetDeleteStatus(int column, const QString &text)
{
    QComboBox *combo = editsPanel()->comboBox(column);
    if (!combo || combo->findText(text) < 0)
        throw TPanelUsageError(QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:")
                               + text);
    m_listViewPanel->setDeleteStatus(column, text);
    ctrlBtnPanel()->deleteButton()->show();
    ctrlBtnPanel()->relayout();
}

void TSNMPListViewPanel::hideEdit()
{
    m_editByDoubleClick = false;
    ctrlBtnPanel()->editButton()->hide();
    ctrlBtnPanel()->relayout();
}

void TSNMPListViewPanel::updateCount(const QString &count)
{
    ctrlBtnPanel()->countBox()->setText(count);
}

bool TSNMPListViewPanel::rowSelected() const
{
    return !m_listViewPanel->listView()->selectedItems().isEmpty();
}

// ---------------------------------------------------------------- list events

void TSNMPListViewPanel::LVClick()
{
    TCtrlBtnPanel *bar = ctrlBtnPanel();
    if (rowSelected()) {
        bar->editButton()->setEnabled(!m_readOnly);
        bar->deleteButton()->setEnabled(true);
    } else {
        bar->editButton()->setEnabled(false);
        bar->deleteButton()->setEnabled(false);
        editsPanel()->clearValues();
    }
}

void TSNMPListViewPanel::LVDblClick()
{
    if (rowSelected() && !m_readOnly && m_editByDoubleClick)
        EditBtnClick();
}

// ---------------------------------------------------------------- buttons

void TSNMPListViewPanel::RefreshBtnClick()
{
    QxSNMPRequest2Edits *c = controller();
    if (!c || (c->asynchronous() && c->busy()))
        return;
    ctrlBtnPanel()->editButton()->setEnabled(false);
    ctrlBtnPanel()->deleteButton()->setEnabled(false);
    try {
        c->refresh();
    } catch (const std::exception &e) {
        c->showStatus(errorText(e));
    }
}

TSNMPPanel *TSNMPListViewPanel::dialogPanel(QDialog &dialog)
{
    auto *panel = new TSNMPPanel(&dialog, statusMsgPanel(), controller());
    panel->setMessages(messages());
    TEditsPanel *edits = editsPanel();
    TCtrlBtnPanel *bar = panel->ctrlBtnPanel();
    connect(bar->setCheckedButton(), &QPushButton::clicked, &dialog, [this, edits, &dialog] {
        // The page re-reads the table once the dialog has closed. A write that
        // did not go through leaves the dialog open with what the user typed,
        // and says why where the user looks (the page's status line is behind it).
        switch (edits->writeTicked(false)) {
        case TEditsPanel::WriteResult::Written:
            dialog.accept();
            break;
        case TEditsPanel::WriteResult::Failed:
            messages().inform(&dialog, edits->lastFailure());
            break;
        case TEditsPanel::WriteResult::NotSent:
            break;
        }
    });
    connect(bar->checkAllButton(), &QPushButton::clicked, edits, &TEditsPanel::checkAll);
    connect(bar->clearChecksButton(), &QPushButton::clicked, edits, &TEditsPanel::clearChecks);
    return panel;
}

void TSNMPListViewPanel::AddBtnClick()
{
    if (m_beforeAdd)
        m_beforeAdd();
    runAddDialog();
    if (m_afterAdd)
        m_afterAdd();
}

void TSNMPListViewPanel::runAddDialog()
{
    QxSNMPRequest2Edits *c = controller();
    if (!c)
        return;
    TEditsPanel *edits = editsPanel();
    QWidget *configForm = window();
    {
        QDialog dialog(configForm);
        dialog.setObjectName(QStringLiteral("AddDialog"));
        dialog.setWindowTitle(configForm->windowTitle() + QStringLiteral(" (Add)"));
        QxEnterKey::install(&dialog);
        const BorrowedEdits borrowed(edits, contentPanel(), c, configForm, dialog);
        TSNMPPanel *panel = dialogPanel(dialog);

        // The key values the user types form the new row's index.
        const QxSNMPVarList &list = c->varList();
        const int keys = list.isTableKind() ? list.keyCount() : 0;
        for (int i = 0; i < keys && i < edits->rowCount(); ++i) {
            edits->enableRow(i);
            edits->setTicked(i, true);
            edits->checkBox(i)->show();
            edits->checkBox(i)->setEnabled(false);
        }
        const int statusRow = m_listViewPanel->addStatusColumn();
        if (QComboBox *combo = edits->comboBox(statusRow)) {
            combo->setEnabled(false);
            edits->checkBox(statusRow)->setChecked(true);
            edits->checkBox(statusRow)->setEnabled(false);
            combo->setCurrentIndex(combo->findText(m_listViewPanel->addStatusText()));
        }

        TCtrlBtnPanel *bar = panel->ctrlBtnPanel();
        edits->ArrangeCtrlBtn(bar);
        bar->refreshButton()->hide();
        bar->relayout();
        edits->layoutRows();
        panel->showContent(edits);
        panel->fitInto(&dialog);

        m_listViewPanel->listView()->clearSelection();
        ctrlBtnPanel()->editButton()->setEnabled(false);
        ctrlBtnPanel()->deleteButton()->setEnabled(false);

        if (m_runDialog)
            m_runDialog(dialog);
        else
            dialog.exec();
    }
    RefreshBtnClick();
}

void TSNMPListViewPanel::EditBtnClick()
{
    if (m_beforeEdit)
        m_beforeEdit();
    runEditDialog();
    if (m_afterEdit)
        m_afterEdit();
}

void TSNMPListViewPanel::runEditDialog()
{
    QxSNMPRequest2Edits *c = controller();
    if (!c)
        return;
    if (c->asynchronous()) {
        // A walk still running would overwrite the row being edited: stop it at
        // its next reply and wait until it has ended (at most every try of one
        // exchange timing out).
        c->request().setAlive(false);
        c->waitWhileBusy();
        c->request().setAlive(true);
    }

    TEditsPanel *edits = editsPanel();
    QWidget *configForm = window();
    {
        QDialog dialog(configForm);
        dialog.setObjectName(QStringLiteral("EditDialog"));
        dialog.setWindowTitle(configForm->windowTitle());
        QxEnterKey::install(&dialog);
        const BorrowedEdits borrowed(edits, contentPanel(), c, configForm, dialog);
        TSNMPPanel *panel = dialogPanel(dialog);
        TCtrlBtnPanel *bar = panel->ctrlBtnPanel();
        bar->setCheckedButton()->setEnabled(false);

        edits->resetRows(false);
        edits->ArrangeCtrlBtn(bar);
        edits->layoutRows();
        bar->refreshButton()->hide();
        bar->relayout();
        edits->setValueWidth(EditValueWidth);
        panel->showContent(edits);
        panel->fitInto(&dialog);

        // A row cannot be switched to the add or delete status by editing.
        RemovedChoices removed(edits);
        if (m_listViewPanel->addStatusColumn() >= 0)
            removed.remove(m_listViewPanel->addStatusColumn(), m_listViewPanel->addStatusText());
        if (m_listViewPanel->deleteStatusColumn() >= 0)
            removed.remove(m_listViewPanel->deleteStatusColumn(), m_listViewPanel->deleteStatusText());

        if (m_runDialog)
            m_runDialog(dialog);
        else
            dialog.exec();
    }
    RefreshBtnClick();
}

void TSNMPListViewPanel::DeleteBtnClick()
{
    QxSNMPRequest2Edits *c = controller();
    if (!c)
        return;
    if (!messages().confirm(window(), QStringLiteral("Delete"), QStringLiteral("Are you sure to delete ?")))
        return;
    // The delete and the re-read after it run synchronously, whatever the page's mode.
    const SynchronousMode synchronous(*c);
    {
        // The one write sets the status column of the selected row alone.
        QxSNMPVarList &list = c->varList();
        InvalidColumns onlyTheStatus(list);
        const int statusRow = m_listViewPanel->deleteStatusColumn();
        const int keys = list.isTableKind() ? list.keyCount() : 0;
        for (int i = keys; i < list.count(); ++i)
            if (i != statusRow)
                onlyTheStatus.add(i);
        try {
            c->collectValues();
            if (statusRow >= 0 && statusRow < list.count())
                list.item(statusRow).valueText = m_listViewPanel->deleteStatusText();
            c->apply(false, false);
        } catch (const std::exception &e) {
            c->showStatus(errorText(e));
        }
    }
    RefreshBtnClick();
}
