#include "app/core/JournalRecorder.h"

#include "app/core/ChangeJournal.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxSNMPWrite.h"

#include <QCoreApplication>
#include <QMetaObject>

JournalRecorder::JournalRecorder(QString program, QString folder, Failure failed)
    : m_program(std::move(program)), m_folder(std::move(folder)), m_user(ChangeJournal::currentUser()),
      m_failed(std::move(failed))
{
    // One thread: entries go in in the order their writes ended.
    m_pool.setMaxThreadCount(1);
}

JournalRecorder::~JournalRecorder()
{
    if (m_listener)
        if (QxSNMPSession *session = globalSession())
            session->removeWriteListener(m_listener);
    waitForDone();
}

void JournalRecorder::listen()
{
    if (QxSNMPSession *session = globalSession())
        m_listener = session->addWriteListener([this](const QxSNMPWrite &write) { record(write); });
}

void JournalRecorder::record(const QxSNMPWrite &write)
{
    // Everything the entry needs is taken now; the thread only writes the line.
    const ChangeJournal journal(write.agentAddress, write.agentPort, m_folder);
    const ChangeJournal::Entry entry = ChangeJournal::entryOf(write, m_program, m_user);
    QObject *notices = m_notices.get();
    m_pool.start([this, journal, entry, notices] {
        if (journal.append(entry))
            return;
        const QString text = QString::fromLatin1(FailureText) + journal.fileName();
        QMetaObject::invokeMethod(notices, [this, text] {
            if (m_failureTold || !m_failed)
                return;
            m_failureTold = true;
            m_failed(text);
        });
    });
}

void JournalRecorder::waitForDone()
{
    m_pool.waitForDone();
    // A failure notice is told before the caller goes on (a program without an
    // event loop would never run it).
    QCoreApplication::sendPostedEvents(m_notices.get());
}
