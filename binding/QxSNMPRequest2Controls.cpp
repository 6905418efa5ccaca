#include "binding/QxSNMPRequest2Controls.h"

#include "snmp/QxEventWait.h"
#include "binding/QxStatusLine.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxValueCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace {

void showMessageBox(QWidget *owner, const QString &text)
{
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox::warning(owner, caption, text, QMessageBox::Ok);
}

// Clears busy when an operation leaves by an exception.
struct BusyGuard
{
    bool &busy;
    bool done = false;
    ~BusyGuard()
    {
        if (!done)
            busy = false;
    }
};

} // namespace

QxSNMPRequest2Controls::QxSNMPRequest2Controls(QWidget *owner)
    : m_request(std::make_unique<QxSNMPRequest>()), m_token(std::make_shared<Token>()), m_owner(owner),
      m_presenter(showMessageBox)
{
    m_token->controller = this;
    qRegisterMetaType<QxSNMPError>();
}

QxSNMPRequest2Controls::~QxSNMPRequest2Controls()
{
    shutDown();
    if (m_token->depth > 0) {
        // Destroyed from inside a completion of its own request: that request is
        // still on the stack and goes once the completion has returned.
        QxSNMPRequest *request = m_request.release();
        QTimer::singleShot(0, [request] { delete request; });
        return;
    }
    m_request.reset();
}

int QxSNMPRequest2Controls::waitLimitMs() const
{
    return std::max(0, m_request->timeout) * 10 * (std::max(0, m_request->retries) + 1) + 1000;
}

bool QxSNMPRequest2Controls::waitWhileBusy()
{
    return QxEventWait::whileHolds([this] { return m_busy; }, waitLimitMs());
}

void QxSNMPRequest2Controls::stopAndWait()
{
    m_request->setAlive(false);
    waitWhileBusy();
}

void QxSNMPRequest2Controls::shutDown()
{
    if (m_shuttingDown)
        return;
    // From here on completions only let the request count them down: the
    // derived parts whose hooks they would call may already be gone.
    m_shuttingDown = true;
    m_token->controller = nullptr;
    m_busy = false;
    m_request->setAlive(false);
    // Inside a completion the reply being handled is still counted as
    // outstanding: waiting for it here would only stall.
    if (m_token->depth == 0)
        m_request->waitForReplies(QxSNMPRequest::DestroyWaitMs);
}

QxSNMPRequest::CompletionHandler
QxSNMPRequest2Controls::handler(void (QxSNMPRequest2Controls::*completed)(const QxSNMPError &))
{
    return [token = m_token, completed](void *, const QxSNMPError &error, QxSNMPVarList &) {
        // Runs inside the SNMP library's event processing: nothing may escape.
        QxSNMPRequest2Controls *controller = token->controller;
        if (!controller)
            return;
        ++token->depth;
        try {
            (controller->*completed)(error);
        } catch (...) {
        }
        --token->depth;
    };
}

void QxSNMPRequest2Controls::setStatusTarget(QPlainTextEdit *memo)
{
    m_target = memo;
    m_targetKind = memo ? StatusTarget::Memo : StatusTarget::None;
}

void QxSNMPRequest2Controls::setStatusTarget(QStatusBar *statusBar)
{
    m_target = statusBar;
    m_targetKind = statusBar ? StatusTarget::StatusBar : StatusTarget::None;
}

void QxSNMPRequest2Controls::setStatusTarget(QLabel *statusPanel)
{
    m_target = statusPanel;
    m_targetKind = statusPanel ? StatusTarget::StatusPanel : StatusTarget::None;
}

void QxSNMPRequest2Controls::clearStatusTarget()
{
    m_target = nullptr;
    m_targetKind = StatusTarget::None;
}

QxSNMPRequest2Controls::StatusTarget QxSNMPRequest2Controls::statusTargetKind() const
{
    // A target destroyed with its window counts as none.
    return m_target ? m_targetKind : StatusTarget::None;
}

void QxSNMPRequest2Controls::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = presenter ? std::move(presenter) : MessagePresenter(showMessageBox);
}

void QxSNMPRequest2Controls::presentMessage(const QString &text)
{
    m_presenter(m_owner, text);
}

void QxSNMPRequest2Controls::setLinkedCondition(QxSNMPRequest *linkedRequest, const QString &condition)
{
    m_linkedRequest = linkedRequest;
    m_linkedCondition = condition;
}

bool QxSNMPRequest2Controls::rowAccepted()
{
    if (m_linkedRequest && !m_linkedCondition.isEmpty()) {
        const QString expression = m_linkedRequest->substituteValues(m_linkedCondition, QLatin1Char('#'), true);
        if (!m_request->evaluateCondition(expression))
            return false;
    }
    return m_request->rowCondition.isEmpty() || m_request->evaluateCondition(m_request->rowCondition);
}

void QxSNMPRequest2Controls::showStatus(const QString &errorText)
{
    const StatusTarget kind = statusTargetKind();
    if (kind == StatusTarget::None)
        return;
    const QString line = QxStatusLine::requestLine(m_templateIndex, errorText, varList().listName());
    const QxStatusLine::Outcome outcome = QxStatusLine::outcomeOf(errorText);
    switch (kind) {
    case StatusTarget::Memo:
        QxStatusLine::append(static_cast<QPlainTextEdit *>(m_target.data()), line, outcome);
        break;
    case StatusTarget::StatusBar:
        QxStatusLine::show(static_cast<QStatusBar *>(m_target.data()), line, outcome);
        break;
    case StatusTarget::StatusPanel:
        QxStatusLine::show(static_cast<QLabel *>(m_target.data()), line, outcome);
        break;
    case StatusTarget::None:
        break;
    }
}

void QxSNMPRequest2Controls::markRefused(int) {}
void QxSNMPRequest2Controls::beforeRead() {}
void QxSNMPRequest2Controls::beforeWrite() {}
void QxSNMPRequest2Controls::collectValues() {}
void QxSNMPRequest2Controls::afterRead() {}
void QxSNMPRequest2Controls::afterWrite() {}

void QxSNMPRequest2Controls::readFailed(const QxSNMPError &error)
{
    m_templateIndex = 0;
    if (hasStatusTarget())
        showStatus(error.message);
    else
        presentMessage(error.message);
}

void QxSNMPRequest2Controls::writeFailed(const QxSNMPError &error)
{
    m_templateIndex = 1;
    if (hasStatusTarget())
        showStatus(error.message);
    else
        presentMessage(error.message);
}

QxSNMPError QxSNMPRequest2Controls::errorRecord(int code, const QString &text)
{
    QxSNMPError e;
    e.code = code;
    e.message = text;
    e.endOfData = true;
    return e;
}

QxSNMPError QxSNMPRequest2Controls::notAliveRecord()
{
    // Nothing was sent: the owner stopped the request (a closing window).
    const auto failed = QxMessageCatalogue::instance().mapLibraryStatus(-1);
    return errorRecord(failed.code, failed.text);
}

QxSNMPError QxSNMPRequest2Controls::okRecord() const
{
    QxSNMPError e = errorRecord(0, QxMessageCatalogue::instance().frameworkText(0));
    e.agentAddress = m_request->device.address;
    e.agentPort = m_request->device.port;
    return e;
}

// ---------------------------------------------------------------- refresh

void QxSNMPRequest2Controls::refresh()
{
    if (m_shuttingDown)
        return;
    if (m_asynchronous)
        refreshAsynchronous();
    else
        refreshSynchronous();
}

void QxSNMPRequest2Controls::refreshSynchronous()
{
    m_templateIndex = 0;
    beforeRead();
    m_rowCount = 0;
    m_busy = true;
    BusyGuard guard{m_busy};
    if (varList().isTableKind()) {
        bool more = m_request->readRow(true);
        while (more) {
            if (rowAccepted()) {
                rowRead();
                ++m_rowCount;
            }
            more = m_request->readRow(false);
        }
    } else if (m_request->alive()) {
        m_request->readRow(true);
        if (rowAccepted()) {
            rowRead();
            ++m_rowCount;
        }
    }
    afterRead();
    m_busy = false;
    guard.done = true;
    showStatus(QxMessageCatalogue::instance().frameworkText(0));
}

void QxSNMPRequest2Controls::refreshAsynchronous()
{
    m_templateIndex = 0;
    beforeRead();
    m_rowCount = 0;
    m_busy = true;
    if (!m_request->alive()) {
        m_busy = false;
        emit readDone(this, notAliveRecord());
        return;
    }
    try {
        m_request->readRowAsync(handler(&QxSNMPRequest2Controls::readCompleted), nullptr, true);
    } catch (...) {
        m_busy = false;
        throw;
    }
}

void QxSNMPRequest2Controls::sendNextRead()
{
    m_request->readRowAsync(handler(&QxSNMPRequest2Controls::readCompleted), nullptr, false);
}

void QxSNMPRequest2Controls::readCompleted(const QxSNMPError &error)
{
    if (m_shuttingDown) {
        m_busy = false;
        return;
    }
    if (error.code != 0) {
        failRead(error);
        return;
    }
    QxSNMPError failure;
    bool failed = false;
    bool finished = true;
    try {
        if (!varList().isTableKind()) {
            if (rowAccepted()) {
                rowRead();
                ++m_rowCount;
            }
        } else if (!error.endOfData) {
            if (rowAccepted()) {
                rowRead();
                ++m_rowCount;
            }
            // rowRead lets pending events run: the owner may have stopped us.
            if (!m_shuttingDown && m_request->alive()) {
                sendNextRead();
                finished = false;
            }
        }
        if (finished && !m_shuttingDown)
            afterRead();
    } catch (const QxSNMPException &e) {
        failed = true;
        failure = errorRecord(e.code(), e.text());
    } catch (const std::exception &e) {
        failed = true;
        failure = errorRecord(QxMessageCatalogue::UnknownErrorCode, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        failed = true;
        failure = errorRecord(QxMessageCatalogue::UnknownErrorCode,
                              QxMessageCatalogue::instance().frameworkText(QxMessageCatalogue::UnknownErrorCode));
    }
    if (m_shuttingDown) {
        m_busy = false;
        return;
    }
    if (failed) {
        failRead(failure);
        return;
    }
    if (!finished)
        return;
    m_busy = false;
    m_templateIndex = 0;
    try {
        showStatus(error.message);
    } catch (...) {
    }
    QxSNMPError done = error;
    done.endOfData = true;
    emit readDone(this, done);
}

void QxSNMPRequest2Controls::failRead(const QxSNMPError &error)
{
    m_busy = false;
    m_templateIndex = 0;
    try {
        readFailed(error);
    } catch (...) {
        // The event below must come whatever the display did.
    }
    emit readDone(this, error);
}

// ---------------------------------------------------------------- apply

QStringList QxSNMPRequest2Controls::valueTexts() const
{
    QStringList texts;
    const QxSNMPVarList &list = varList();
    texts.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i).valueText;
    return texts;
}

void QxSNMPRequest2Controls::restoreValueTexts(const QStringList &texts)
{
    QxSNMPVarList &list = varList();
    for (int i = 0; i < list.count() && i < texts.size(); ++i)
        list.item(i).valueText = texts.at(i);
}

void QxSNMPRequest2Controls::requireRowIndex(const QString &selectionList, const QStringList &valueSource)
{
    const QxSNMPVarList &list = varList();
    if (!list.isTableKind() || list.keyCount() <= 0)
        return;
    // A key without a value would address the table's column itself, or a
    // row the user never chose (the one a walk left behind).
    const QStringList selection = selectionList.split(QLatin1Char(','));
    for (int i = 0; i < list.keyCount(); ++i) {
        if (i >= list.count())
            QxSNMPException::raiseFramework(-514);
        QString text = list.item(i).valueText;
        if (!selectionList.isEmpty() && !valueSource.isEmpty()) {
            const int p = selection.indexOf(QString::number(i));
            if (p >= 0 && p < valueSource.size())
                text = valueSource.at(p);
        }
        if (text.trimmed().isEmpty() || text == QxValueCodec::nullText() || text == QxValueCodec::notDoneText())
            QxSNMPException::raiseFramework(-514);
    }
}

void QxSNMPRequest2Controls::apply(bool refreshAfterWrite, bool collect, const QString &selectionList,
                                   const QStringList &valueSource)
{
    if (m_shuttingDown)
        return;
    m_templateIndex = 1;
    m_refreshAfterWrite = refreshAfterWrite;
    beforeWrite();
    const QStringList before = valueTexts();
    try {
        if (collect)
            collectValues();
        requireRowIndex(selectionList, valueSource);
    } catch (...) {
        restoreValueTexts(before);
        throw;
    }

    if (!m_asynchronous) {
        if (!m_request->alive())
            return; // nothing is sent: no success to report
        m_busy = true;
        BusyGuard guard{m_busy};
        try {
            m_request->writeRow(selectionList, valueSource);
        } catch (const QxSNMPException &e) {
            restoreValueTexts(before);
            if (e.variable() >= 0)
                markRefused(e.variable());
            throw;
        } catch (...) {
            restoreValueTexts(before);
            throw;
        }
        afterWrite();
        m_busy = false;
        guard.done = true;
        m_templateIndex = 1;
        showStatus(QxMessageCatalogue::instance().frameworkText(0));
        if (varList().isTableKind() && m_refreshAfterWrite)
            refresh();
        return;
    }

    m_busy = true;
    if (!m_request->alive()) {
        m_busy = false;
        emit writeDone(this, notAliveRecord());
        return;
    }
    m_beforeApply = before;
    try {
        m_request->writeRowAsync(handler(&QxSNMPRequest2Controls::writeCompleted), nullptr, selectionList,
                                 valueSource);
    } catch (const QxSNMPException &e) {
        m_busy = false;
        restoreValueTexts(before);
        if (e.variable() >= 0)
            markRefused(e.variable());
        throw;
    } catch (...) {
        m_busy = false;
        restoreValueTexts(before);
        throw;
    }
}

void QxSNMPRequest2Controls::writeCompleted(const QxSNMPError &error)
{
    if (m_shuttingDown) {
        m_busy = false;
        return;
    }
    if (error.code != 0) {
        restoreValueTexts(m_beforeApply);
        if (error.variable >= 0)
            markRefused(error.variable);
        failWrite(error);
        return;
    }
    try {
        afterWrite();
    } catch (const QxSNMPException &e) {
        if (!m_shuttingDown)
            failWrite(errorRecord(e.code(), e.text()));
        return;
    } catch (...) {
        if (!m_shuttingDown)
            failWrite(errorRecord(QxMessageCatalogue::UnknownErrorCode,
                                  QxMessageCatalogue::instance().frameworkText(QxMessageCatalogue::UnknownErrorCode)));
        return;
    }
    if (m_shuttingDown)
        return;
    m_busy = false;
    m_templateIndex = 1;
    try {
        showStatus(error.message);
    } catch (...) {
    }
    const QPointer<QxSNMPRequest2Controls> self(this);
    emit writeDone(this, error);
    // A handler of the event may have destroyed or stopped this object.
    if (!self || m_shuttingDown)
        return;
    if (varList().isTableKind() && m_refreshAfterWrite)
        refreshAfterAsyncWrite();
}

void QxSNMPRequest2Controls::refreshAfterAsyncWrite()
{
    try {
        refresh();
    } catch (const QxSNMPException &e) {
        // The refresh started (beforeRead ran) and ends here, with its event.
        failRead(errorRecord(e.code(), e.text()));
    } catch (...) {
        failRead(errorRecord(QxMessageCatalogue::UnknownErrorCode,
                             QxMessageCatalogue::instance().frameworkText(QxMessageCatalogue::UnknownErrorCode)));
    }
}

void QxSNMPRequest2Controls::failWrite(const QxSNMPError &error)
{
    m_busy = false;
    m_templateIndex = 1;
    try {
        writeFailed(error);
    } catch (...) {
    }
    emit writeDone(this, error);
}
