#pragma once

#include "binding/QxControllerHost.h"
#include "dialogs/generic/TDialogMessages.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class QxSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;

// The configuration dialog that most menu commands open: one page (an editor
// page or a table page) around one controller that the dialog owns. The first
// read starts once the dialog is on screen; closing the dialog stops and
// destroys its controllers, waiting for a read that is still running.
//
// A command builds it like this:
//   TConfigForm form(mainWindow);
//   form.setWindowTitle(title + joiner + address);
//   auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
//   controller->varList() = QxSNMPVarList(items, kind, keyCount);
//   TSNMPListViewPanel *page = form.CreateListViewPanel(std::move(controller), 3, "createAndGo", 3, "destroy");
//   ... adjustments on the page ...
//   form.exec();
class TConfigForm : public QDialog, public QxControllerHost
{
    Q_OBJECT
public:
    enum PageKind : quint8 { EmptyPage = 0, EditorPage = 1, TablePage = 2 };

    explicit TConfigForm(QWidget *owner);
    ~TConfigForm() override;

    // Both raise TPanelUsageError "Can not change Type of a Config Form!" when
    // the dialog has a page already (the controller is then discarded).
    TSNMPEditorPanel *CreateEditorPanel(std::unique_ptr<QxSNMPRequest2Edits> controller);
    // A status text that is empty means none (its column is ignored).
    TSNMPListViewPanel *CreateListViewPanel(std::unique_ptr<QxSNMPRequest2Edits> controller, int addStatusColumn,
                                            const QString &addStatusText, int deleteStatusColumn,
                                            const QString &deleteStatusText);

    quint8 pageKind() const { return m_pageKind; }
    int controllerCount() const { return int(m_controllers.size()); }
    QxSNMPRequest2Edits *controller(int i = 0) const;
    QxSNMPRequest2Edits *currentController() const { return m_current; }
    QList<QxSNMPRequest2Controls *> controllers() const override;
    TSNMPPanel *panel() const { return m_panel; }

    // Reads the first controller; an error goes to its status line.
    void FormRefresh();
    // The close sequence: each request marked not alive, the controller waited
    // for while busy (letting replies in), then destroyed.
    void closeControllers();

    // Message boxes of the dialog and its panels (tests answer them).
    void setMessages(const TDialogMessages &messages);
    const TDialogMessages &messages() const { return m_messages; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void beginPage(PageKind kind, std::unique_ptr<QxSNMPRequest2Edits> controller);
    void adoptPanel(TSNMPPanel *panel);

    quint8 m_pageKind = EmptyPage;
    std::vector<std::unique_ptr<QxSNMPRequest2Edits>> m_controllers;
    QxSNMPRequest2Edits *m_current = nullptr;
    QPointer<TSNMPPanel> m_panel;
    bool m_refreshScheduled = false;
    bool m_closing = false;
    TDialogMessages m_messages;
};
