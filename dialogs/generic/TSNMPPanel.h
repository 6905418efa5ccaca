#pragma once

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TDialogMessages.h"
#include "dialogs/generic/TMsgPanel.h"

#include <QFrame>
#include <QPointer>
#include <QTreeWidget> // the controller's list-view pointer needs the whole class
#include <QSize>
#include <functional>

class QSplitter;
class TCtrlBtnPanel;

// The frame every page of the generic dialog shares: the button bar on the
// right, a content panel holding the content control, and a message panel at
// the bottom whose text box receives the controller's status lines (or the
// message panel of another panel, for the table page's small dialogs).
class TSNMPPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int RightSplitterWidth = 3;
    static constexpr int BottomSplitterHeight = 5;
    static constexpr int MaxFormWidth = 800;
    static constexpr int MaxFormHeight = 550;

    // The controller is not owned; the panel stops using it when it is destroyed.
    TSNMPPanel(QWidget *parent, TMsgPanel *sharedMsgPanel, QxSNMPRequest2Edits *controller);
    ~TSNMPPanel() override;

    QxSNMPRequest2Edits *controller() const { return m_controller; }
    TCtrlBtnPanel *ctrlBtnPanel() const { return m_btnPanel; }
    // Where content controls live (hidden ones included).
    QWidget *contentPanel() const { return m_contentArea; }
    // The message panel this panel created; null when it shares another's.
    TMsgPanel *msgPanel() const { return m_msgPanel; }
    // The message panel whose text box is the status target.
    TMsgPanel *statusMsgPanel() const { return m_statusMsgPanel; }
    QWidget *form() const { return m_form; }
    QWidget *contentControl() const { return m_content; }
    QSplitter *rightSplitter() const { return m_rightSplitter; }
    QSplitter *bottomSplitter() const { return m_bottomSplitter; }

    // Makes the control the visible content (hiding the previous one) and sizes
    // the panel around it (around the control's size hint, when it has one).
    void showContent(QWidget *control);
    // The size showContent computed: what the panel needs to show its content.
    QSize neededSize() const { return m_needed; }
    // Makes the panel fill the form and sizes the form: grown to the panel's
    // needs, at most 800 x 550, centred on the main window.
    void fitInto(QWidget *form);

    virtual void setMessages(const TDialogMessages &messages);
    const TDialogMessages &messages() const { return m_messages; }

    // Centres a window on the program's main window (or on its owner's window).
    static void centreOnMainWindow(QWidget *window);

public slots:
    virtual void RefreshBtnClick();
    void CloseBtnClick();

protected:
    // Writes an error text to the status line of the controller.
    void showError(const QString &text);

private:
    QPointer<QxSNMPRequest2Edits> m_controller;
    TCtrlBtnPanel *m_btnPanel = nullptr;
    QWidget *m_contentPanel = nullptr;
    QWidget *m_contentArea = nullptr;
    TMsgPanel *m_msgPanel = nullptr;
    QPointer<TMsgPanel> m_statusMsgPanel;
    QPointer<QWidget> m_form;
    QPointer<QWidget> m_content;
    QSplitter *m_rightSplitter = nullptr;
    QSplitter *m_bottomSplitter = nullptr;
    QSize m_needed{0, 0};
    TDialogMessages m_messages;
};
