#include "device/QxVlanMatrixWrites.h"

#include "binding/QxSNMPRequest2Rows.h"
#include "snmp/QxHexText.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"
#include "tables/VlanDialogTables.h"

namespace {

namespace V = VlanDialogTables::StaticColumn;
namespace P = VlanDialogTables::PortColumn;

// The write is journalled under the matrix, whichever dialog was opened last;
// the session's command is the other windows' again afterwards.
class CommandScope final
{
public:
    CommandScope() : m_session(globalSession())
    {
        if (m_session) {
            m_before = m_session->command();
            m_session->setCommand(QString::fromLatin1(QxVlanMatrixWrites::CommandName));
        }
    }
    ~CommandScope()
    {
        if (m_session)
            m_session->setCommand(m_before);
    }
    CommandScope(const CommandScope &) = delete;
    CommandScope &operator=(const CommandScope &) = delete;

private:
    QxSNMPSession *m_session;
    QString m_before;
};

// The value a write replaces, as the journal keeps it.
void noteBefore(QxSNMPVarList &list, int position, const QString &rowInstance, const QString &text)
{
    QxSNMPVariable &v = list.item(position);
    v.readText = text;
    v.readOid = list.baseOid(position) + QLatin1Char('.') + rowInstance;
}

} // namespace

QxVlanMatrixWrites::QxVlanMatrixWrites(QWidget *owner) : m_binding(std::make_unique<QxSNMPRequest2Rows>(owner))
{
    connect(m_binding.get(), &QxSNMPRequest2Controls::writeDone, this,
            [this](QxSNMPRequest2Controls *, const QxSNMPError &error) { written(error); });
}

QxVlanMatrixWrites::~QxVlanMatrixWrites() = default;

QxSNMPRequest2Controls *QxVlanMatrixWrites::controller() const
{
    return m_binding.get();
}

void QxVlanMatrixWrites::stop()
{
    m_running = false;
    // The write on its way cannot be waited for from inside its own completion.
    if (m_binding->inCompletion())
        m_binding->request().setAlive(false);
    else
        m_binding->stopAndWait();
}

void QxVlanMatrixWrites::start(const QxVlanMatrix::Plan &plan)
{
    if (m_running)
        return;
    m_plan = plan;
    m_next = 0;
    m_running = true;
    writeNext();
}

QString QxVlanMatrixWrites::stepName(int step) const
{
    if (step < m_plan.vlans.size()) {
        const QxVlanMatrix::VlanWrite &w = m_plan.vlans[step];
        return w.name.isEmpty() ? QStringLiteral("VLAN %1").arg(w.id)
                                : QStringLiteral("VLAN %1 (%2)").arg(w.id).arg(w.name);
    }
    return QStringLiteral("PVID of port %1").arg(m_plan.pvids.value(step - m_plan.vlans.size()).port);
}

void QxVlanMatrixWrites::writeNext()
{
    const int vlans = int(m_plan.vlans.size());
    if (m_next >= vlans + m_plan.pvids.size()) {
        end(QString());
        return;
    }
    QxSNMPVarList &list = m_binding->varList();
    QString selection;
    QStringList values;
    try {
        if (m_next < vlans) {
            const QxVlanMatrix::VlanWrite &w = m_plan.vlans[m_next];
            list = QxSNMPVarList(VlanDialogTables::staticVlans);
            const QString row = QString::number(w.id);
            m_binding->request().decodeRowIndex(row);
            noteBefore(list, V::Egress, row, QxHexText::fromOctets(w.egressRead));
            noteBefore(list, V::Untagged, row, QxHexText::fromOctets(w.untaggedRead));
            selection = QStringLiteral("%1,%2").arg(V::Egress).arg(V::Untagged);
            values = {QxHexText::fromOctets(w.egress), QxHexText::fromOctets(w.untagged)};
        } else {
            const QxVlanMatrix::PvidWrite &w = m_plan.pvids[m_next - vlans];
            list = QxSNMPVarList(VlanDialogTables::portVlans);
            const QString row = QString::number(w.port);
            m_binding->request().decodeRowIndex(row);
            noteBefore(list, P::Pvid, row, QString::number(w.from));
            selection = QString::number(P::Pvid);
            values = {QString::number(w.to)};
        }
        const CommandScope journalled;
        m_binding->apply(false, false, selection, values);
    } catch (const QxSNMPException &e) {
        end(stepName(m_next) + QStringLiteral(": ") + e.text());
    }
}

void QxVlanMatrixWrites::written(const QxSNMPError &error)
{
    if (!m_running)
        return;
    if (error.code != 0) {
        end(stepName(m_next) + QStringLiteral(": ") + error.message);
        return;
    }
    ++m_next;
    writeNext();
}

void QxVlanMatrixWrites::end(const QString &failure)
{
    m_running = false;
    Outcome outcome;
    outcome.total = int(m_plan.vlans.size() + m_plan.pvids.size());
    outcome.written = m_next;
    outcome.failure = failure;
    for (qsizetype i = std::max<qsizetype>(0, m_next - m_plan.vlans.size()); i < m_plan.pvids.size(); ++i)
        outcome.pvidsNotWritten << m_plan.pvids[i];
    emit finished(outcome);
}
