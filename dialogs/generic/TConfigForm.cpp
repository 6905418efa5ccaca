#include "dialogs/generic/TConfigForm.h"

#include "binding/QxEnterKey.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TPanelUsageError.h"
#include "dialogs/generic/TSNMPEditorPanel.h"
#include "dialogs/generic/TSNMPListViewPanel.h"
#include "snmp/QxSNMPException.h"

#include <QTimer>
#include <algorithm>
#include <exception>

TConfigForm::TConfigForm(QWidget *owner) : QDialog(owner), m_messages(TDialogMessages::standard())
{
    setObjectName(QStringLiteral("ConfigForm"));
    TSNMPPanel::centreOnMainWindow(this);
    QxEnterKey::install(this);
}

TConfigForm::~TConfigForm()
{
    closeControllers();
}

QList<QxSNMPRequest2Controls *> TConfigForm::controllers() const
{
    QList<QxSNMPRequest2Controls *> all;
    for (const auto &c : m_controllers)
        all << c.get();
    return all;
}

QxSNMPRequest2Edits *TConfigForm::controller(int i) const
{
    return i >= 0 && i < controllerCount() ? m_controllers[size_t(i)].get() : nullptr;
}

void TConfigForm::setMessages(const TDialogMessages &messages)
{
    m_messages = messages.completed();
    if (m_panel)
        m_panel->setMessages(m_messages);
}

void TConfigForm::beginPage(PageKind kind, std::unique_ptr<QxSNMPRequest2Edits> controller)
{
    if (m_pageKind != EmptyPage)
        throw TPanelUsageError(QStringLiteral("Can not change Type of a Config Form!"));
    m_pageKind = kind;
    m_controllers.push_back(std::move(controller));
}

void TConfigForm::adoptPanel(TSNMPPanel *panel)
{
    m_panel = panel;
    panel->setMessages(m_messages);
    // Fitting grows the dialog to the page (within 800 x 550) and lets the page
    // fill it, so the dialog is never smaller than the page it shows.
    panel->fitInto(this);
}

TSNMPEditorPanel *TConfigForm::CreateEditorPanel(std::unique_ptr<QxSNMPRequest2Edits> controller)
{
    beginPage(EditorPage, std::move(controller));
    auto *panel = new TSNMPEditorPanel(this, m_controllers.back().get());
    adoptPanel(panel);
    return panel;
}

TSNMPListViewPanel *TConfigForm::CreateListViewPanel(std::unique_ptr<QxSNMPRequest2Edits> controller,
                                                     int addStatusColumn, const QString &addStatusText,
                                                     int deleteStatusColumn, const QString &deleteStatusText)
{
    beginPage(TablePage, std::move(controller));
    auto *panel = new TSNMPListViewPanel(this, m_controllers.back().get());
    adoptPanel(panel);
    if (!addStatusText.isEmpty())
        panel->SetAddStatus(addStatusColumn, addStatusText);
    if (!deleteStatusText.isEmpty())
        panel->SetDeleteStatus(deleteStatusColumn, deleteStatusText);
    return panel;
}

void TConfigForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_refreshScheduled)
        return;
    // Posted, so the first read starts once the dialog is on screen.
    m_refreshScheduled = true;
    QTimer::singleShot(0, this, &TConfigForm::FormRefresh);
}

void TConfigForm::FormRefresh()
{
    if (m_pageKind == EmptyPage || m_controllers.empty() || m_closing)
        return;
    m_current = m_controllers.front().get();
    try {
        m_current->refresh();
    } catch (const QxSNMPException &e) {
        m_current->showStatus(e.text());
    } catch (const std::exception &e) {
        m_current->showStatus(QString::fromUtf8(e.what()));
    }
}

void TConfigForm::closeControllers()
{
    if (m_closing)
        return;
    m_closing = true;
    for (auto &controller : m_controllers) {
        // A running walk stops at its next reply (or its time-out); no reply
        // may reach a destroyed controller.
        controller->stopAndWait();
        controller.reset();
    }
    m_controllers.clear();
    m_current = nullptr;
    m_closing = false;
}

void TConfigForm::done(int result)
{
    closeControllers();
    QDialog::done(result);
}
