#pragma once

#include "snmp/QxSNMPError.h"
#include "snmp/QxSNMPRequest.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QStatusBar;

// Connects one request to a window: refresh (read the variables or walk the table
// row by row) and apply (write them), synchronously or asynchronously, with hooks
// around both, a status line in the catalogue's words and events that tell the
// owner when an asynchronous operation has finished.
//
// Every asynchronous refresh ends with exactly one readDone and every asynchronous
// apply with exactly one writeDone, whatever happened (success, agent error,
// time-out, a hook that raised, a request that was no longer alive), so a window
// that waits for them never waits for ever. Nothing escapes a completion: errors
// there go to readFailed / writeFailed (status target or message box).
class QxSNMPRequest2Controls : public QObject
{
    Q_OBJECT

public:
    // Shows an error when no status target is set. The default is a message box
    // with OK, parented to the owner window, captioned with the executable's name.
    using MessagePresenter = std::function<void(QWidget *owner, const QString &text)>;

    enum class StatusTarget { None, Memo, StatusBar, StatusPanel };

    // The request starts with the process defaults and an empty variable list.
    explicit QxSNMPRequest2Controls(QWidget *owner);
    // Clears busy and destroys the request, which waits for outstanding replies;
    // replies that arrive meanwhile run no hook and raise no event.
    ~QxSNMPRequest2Controls() override;
    QxSNMPRequest2Controls(const QxSNMPRequest2Controls &) = delete;
    QxSNMPRequest2Controls &operator=(const QxSNMPRequest2Controls &) = delete;

    QxSNMPRequest &request() { return *m_request; }
    const QxSNMPRequest &request() const { return *m_request; }
    QxSNMPVarList &varList() { return m_request->varList(); }
    const QxSNMPVarList &varList() const { return m_request->varList(); }
    QWidget *owner() const { return m_owner; }

    bool asynchronous() const { return m_asynchronous; }
    void setAsynchronous(bool on) { m_asynchronous = on; }
    bool busy() const { return m_busy; }
    // One of its completions is running (its hooks may be on the stack).
    bool inCompletion() const { return m_token->depth > 0; }
    int rowCount() const { return m_rowCount; }
    bool refreshAfterWrite() const { return m_refreshAfterWrite; }
    void setRefreshAfterWrite(bool on) { m_refreshAfterWrite = on; }
    // 0 while reading, 1 while writing: the status template showStatus expands.
    int templateIndex() const { return m_templateIndex; }

    // A memo gets each status as a new last line, a status bar as its simple
    // text, a status panel (a label in a status bar) as its text.
    void setStatusTarget(QPlainTextEdit *memo);
    void setStatusTarget(QStatusBar *statusBar);
    void setStatusTarget(QLabel *statusPanel);
    void clearStatusTarget();
    StatusTarget statusTargetKind() const;
    bool hasStatusTarget() const { return statusTargetKind() != StatusTarget::None; }

    void setMessagePresenter(MessagePresenter presenter);

    // A second request whose values the condition refers to with "#".
    void setLinkedCondition(QxSNMPRequest *linkedRequest, const QString &condition);
    // Whether the row now in the variable list is accepted: the linked condition
    // (when set) and the request's rowCondition (empty = true).
    bool rowAccepted();

    // The longest one exchange can take: every try timing out, and a second more.
    int waitLimitMs() const;
    // Lets replies in while an operation is running, at most waitLimitMs();
    // returns whether it is still running.
    bool waitWhileBusy();
    // The close sequence of a window: no new requests, and the running one
    // waited for, so that no reply is left for a controller about to go.
    void stopAndWait();

    void refresh();
    // Writes the writable variables. collect: take the values from the controls
    // first (collectValues hook). A failed write leaves the value texts as they
    // were before the apply; a table write without a row index raises -514 and
    // sends nothing.
    void apply(bool refreshAfterWrite = true, bool collect = true, const QString &selectionList = QString(),
               const QStringList &valueSource = QStringList());

    // Expands the template of the current index with the text and the list name
    // and shows it in the status target; without one nothing happens.
    void showStatus(const QString &errorText);

    // Hooks, in slot order. The base versions do nothing unless stated.
    virtual void beforeRead();
    virtual void beforeWrite();
    virtual void rowRead() = 0;
    virtual void collectValues();
    // Template index 0 (1 for writes); the error in the status target, or in a
    // message box without one.
    virtual void readFailed(const QxSNMPError &error);
    virtual void writeFailed(const QxSNMPError &error);
    virtual void afterRead();
    virtual void afterWrite();
    // A write the agent refused named this variable: its controls show it.
    virtual void markRefused(int position);

signals:
    void readDone(QxSNMPRequest2Controls *controller, const QxSNMPError &error);
    void writeDone(QxSNMPRequest2Controls *controller, const QxSNMPError &error);

protected:
    // Stops every exchange and destroys the request. A derived class whose
    // destructor tears down what its hooks use calls this first; it may be
    // called more than once.
    void shutDown();
    bool shuttingDown() const { return m_shuttingDown; }
    void presentMessage(const QString &text);

private:
    // Shared with the completion handlers in flight: they reach this object only
    // while controller is set, and count themselves so that a controller
    // destroyed from inside its own completion (an event handler closing the
    // window) leaves the request to be destroyed once the completion has returned.
    struct Token
    {
        QxSNMPRequest2Controls *controller = nullptr;
        int depth = 0;
    };

    QxSNMPRequest::CompletionHandler handler(void (QxSNMPRequest2Controls::*completed)(const QxSNMPError &));
    void refreshSynchronous();
    void refreshAsynchronous();
    void readCompleted(const QxSNMPError &error);
    void writeCompleted(const QxSNMPError &error);
    void sendNextRead();
    void failRead(const QxSNMPError &error);
    void failWrite(const QxSNMPError &error);
    void refreshAfterAsyncWrite();
    void requireRowIndex(const QString &selectionList, const QStringList &valueSource);
    QStringList valueTexts() const;
    void restoreValueTexts(const QStringList &texts);
    static QxSNMPError errorRecord(int code, const QString &text);
    static QxSNMPError notAliveRecord();
    QxSNMPError okRecord() const;

    std::unique_ptr<QxSNMPRequest> m_request;
    std::shared_ptr<Token> m_token;
    QPointer<QWidget> m_owner;
    bool m_asynchronous = true;
    bool m_busy = false;
    int m_rowCount = 0;
    int m_templateIndex = 0;
    bool m_refreshAfterWrite = true;
    bool m_shuttingDown = false;
    StatusTarget m_targetKind = StatusTarget::None;
    QPointer<QWidget> m_target;
    MessagePresenter m_presenter;
    QxSNMPRequest *m_linkedRequest = nullptr;
    QString m_linkedCondition;
    // Value texts from before the running apply, put back when it fails.
    QStringList m_beforeApply;
};

Q_DECLARE_METATYPE(QxSNMPError)
