#include "dialogs/generic/TSNMPEditorPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TCtrlBtnPanel.h"
#include "dialogs/generic/TEditsPanel.h"

#include <QPushButton>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget *parent, QxSNMPRequest2Edits *controller)
    : TSNMPPanel(parent, nullptr, controller)
{
    setObjectName(QStringLiteral("SNMPEditorPanel"));
    m_editsPanel = new TEditsPanel(contentPanel(), controller);
    TCtrlBtnPanel *bar = ctrlBtnPanel();
    connect(bar->setCheckedButton(), &QPushButton::clicked, this, &TSNMPEditorPanel::SetCheckedBtnClick);
    connect(bar->checkAllButton(), &QPushButton::clicked, this, &TSNMPEditorPanel::CheckAllBtnClick);
    connect(bar->clearChecksButton(), &QPushButton::clicked, this, &TSNMPEditorPanel::ClearChecksBtnClick);
    bar->setCheckedButton()->setEnabled(false);
    m_editsPanel->ArrangeCtrlBtn(bar);
    showContent(m_editsPanel);
    // A warning or a value width set after the page was built sizes the page again.
    connect(m_editsPanel, &TEditsPanel::rowsLaidOut, this, [this] {
        if (m_editsPanel->parentWidget() == contentPanel() && contentControl() == m_editsPanel
            && !m_editsPanel->isHidden()) {
            showContent(m_editsPanel);
            if (form())
                fitInto(form());
        }
    });
}

void TSNMPEditorPanel::setMessages(const TDialogMessages &messages)
{
    TSNMPPanel::setMessages(messages);
    m_editsPanel->setMessages(messages);
}

void TSNMPEditorPanel::SetCheckedBtnClick()
{
    m_editsPanel->writeTicked(controller() ? controller()->refreshAfterWrite() : false);
}

void TSNMPEditorPanel::CheckAllBtnClick()
{
    m_editsPanel->checkAll();
}

void TSNMPEditorPanel::ClearChecksBtnClick()
{
    m_editsPanel->clearChecks();
}

void TSNMPEditorPanel::setVarFormat(int row, const QString &format)
{
    m_editsPanel->setVarFormat(row, format);
}

void TSNMPEditorPanel::setValueWidth(int width)
{
    // The page (when it shows the rows) is sized again as the rows are laid out.
    m_editsPanel->setValueWidth(width);
    if (form())
        fitInto(form());
}

void TSNMPEditorPanel::makePortListRow(int row, int columns, int portCount)
{
    m_editsPanel->makePortListRow(row, columns, portCount);
}
