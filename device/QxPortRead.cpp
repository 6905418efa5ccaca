#include "device/QxPortRead.h"

#include "binding/QxSNMPRequest2Rows.h"
#include "snmp/QxDescriptorTable.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxTimeTicks.h"
#include "snmp/QxValueCodec.h"

namespace {

constexpr int NoSuchName = -102;
// sysUpTime: the one scalar among the port's columns.
const char kUpTime[] = "1.3.6.1.2.1.1.3";

} // namespace

QxPortRead::QxPortRead(QWidget *owner, const QxDescriptorTable &table, int port)
    : QxPortRead(owner, table, QList<int>{port})
{
}

QxPortRead::QxPortRead(QWidget *owner, const QxDescriptorTable &table, const QList<int> &ports)
    : m_port(ports.value(0)), m_binding(std::make_unique<QxSNMPRequest2Rows>(owner))
{
    QxSNMPVarList &list = m_binding->varList();
    list = QxSNMPVarList(table);
    const int columns = list.count();
    for (qsizetype p = 1; p < ports.size(); ++p)
        list.append(table.items);
    const bool v1 = m_binding->request().security.version == QxSNMPSecurity::V1;
    for (int i = 0; i < list.count(); ++i) {
        QxSNMPVariable &v = list.item(i);
        const QString instance = QString::number(ports.value(columns ? i / columns : 0));
        v.oid += QLatin1Char('.') + (v.oid == QLatin1String(kUpTime) ? QStringLiteral("0") : instance);
        if (v1 && v.syntax == QxSyntax::counter64)
            v.setFlag(QxAccess::invalid, true);
    }
    connect(m_binding.get(), &QxSNMPRequest2Controls::readDone, this,
            [this](QxSNMPRequest2Controls *, const QxSNMPError &error) { readDone(error); });
}

QxPortRead::~QxPortRead() = default;

bool QxPortRead::busy() const
{
    return m_binding->busy();
}

bool QxPortRead::start()
{
    if (m_binding->busy())
        return false;
    try {
        m_binding->refresh();
    } catch (const QxSNMPException &e) {
        QxSNMPError error;
        error.code = e.code();
        error.message = e.text();
        emit done({}, error);
    }
    return true;
}

void QxPortRead::readDone(const QxSNMPError &error)
{
    QxSNMPVarList &list = m_binding->varList();
    if (error.code == NoSuchName && error.errorIndex > 0) {
        // The errorIndex-th binding sent: the readable variables in list order.
        int readable = 0;
        for (int i = 0; i < list.count(); ++i) {
            if (!list.isReadable(i) || ++readable != error.errorIndex)
                continue;
            list.item(i).setFlag(QxAccess::invalid, true);
            start();
            return;
        }
    }
    QStringList values;
    if (error.code == 0 && !m_binding->rows().isEmpty()) {
        values = m_binding->rows().first();
        for (int i = 0; i < list.count() && i < values.size(); ++i)
            if (!list.isReadable(i))
                values[i] = QxValueCodec::nullText();
    }
    emit done(values, error);
}

std::optional<QxCounterReading> QxPortRead::counter(const QStringList &values, int wideColumn, int narrowColumn)
{
    bool ok = false;
    const quint64 wide = values.value(wideColumn).toULongLong(&ok);
    if (ok)
        return QxCounterReading{wide, true};
    const quint64 narrow = values.value(narrowColumn).toULongLong(&ok);
    if (ok)
        return QxCounterReading{narrow, false};
    return std::nullopt;
}

std::optional<quint32> QxPortRead::upTime(const QStringList &values, int column)
{
    const QString text = values.value(column);
    if (text.isEmpty() || text == QxValueCodec::nullText())
        return std::nullopt;
    return quint32(QxTimeTicks::fromText(text));
}
