#include "app/core/RequestWalk.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"

#include <QMetaObject>

void RequestWalk::start(Row row, Done done)
{
    m_row = std::move(row);
    m_done = std::move(done);
    read(true);
}

void RequestWalk::read(bool first)
{
    try {
        m_request.readRowAsync([this](void *, const QxSNMPError &e, QxSNMPVarList &list) { answered(e, list); },
                               nullptr, first);
    } catch (const QxSNMPException &e) {
        end(e.code(), e.text());
    }
}

void RequestWalk::answered(const QxSNMPError &error, QxSNMPVarList &list)
{
    if (error.code != 0) {
        end(error.code, error.message);
        return;
    }
    // A table's last answer carries no row; a group's one answer is its row.
    const bool table = list.isTableKind();
    const bool accepted =
        !table || m_request.rowCondition.isEmpty() || m_request.evaluateCondition(m_request.rowCondition);
    if ((!table || !error.endOfData) && accepted && m_row)
        m_row(list);
    if (table && !error.endOfData)
        read(false);
    else
        end(0, QString());
}

void RequestWalk::end(int code, const QString &text)
{
    QMetaObject::invokeMethod(m_context.get(), [this, code, text] {
        if (m_done)
            m_done(code, text);
    }, Qt::QueuedConnection);
}
