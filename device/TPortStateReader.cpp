#include "device/TPortStateReader.h"

#include "device/QxPortRead.h"
#include "tables/PortViewTables.h"

#include <utility>

namespace C = PortViewTables::StateColumn;

namespace {

QList<int> allPorts()
{
    QList<int> ports;
    for (int port = 1; port <= TPortStateReader::Ports; ++port)
        ports << port;
    return ports;
}

} // namespace

TPortStateReader::TPortStateReader(QWidget *owner)
    : m_read(std::make_unique<QxPortRead>(owner, PortViewTables::states, allPorts()))
{
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &TPortStateReader::poll);
    connect(m_read.get(), &QxPortRead::done, this,
            [this](const QStringList &values, const QxSNMPError &error) { read(values, error); });
}

TPortStateReader::~TPortStateReader() = default;

void TPortStateReader::start()
{
    m_timer.start();
    poll();
}

void TPortStateReader::stop()
{
    m_timer.stop();
}

void TPortStateReader::poll()
{
    // A poll on its way may have been sent before what this one is for (a
    // write): another follows it.
    if (!m_read->start())
        m_pollAgain = true;
}

QxPortState TPortStateReader::state(int port) const
{
    return port >= 1 && port <= Ports ? m_states[size_t(port - 1)] : QxPortState();
}

void TPortStateReader::read(const QStringList &values, const QxSNMPError &error)
{
    if (error.code == 0 && values.size() >= Ports * C::Count) {
        for (int port = 1; port <= Ports; ++port) {
            const QStringList columns = values.mid((port - 1) * C::Count, C::Count);
            QxPortState state = QxPortState::fromValues(columns);
            const size_t i = size_t(port - 1);
            const quint64 errors = columns.at(C::InErrors).toULongLong() + columns.at(C::OutErrors).toULongLong();
            // Counters that went back (a reset) are no errors seen.
            if (m_counted && errors > m_errorCounts[i])
                m_errorPolls[i] = ErrorPolls;
            else if (m_errorPolls[i] > 0)
                --m_errorPolls[i];
            m_errorCounts[i] = errors;
            state.errors = m_errorPolls[i] > 0;
            m_states[i] = state;
        }
        m_counted = true;
    }
    emit statesRead(error);
    if (std::exchange(m_pollAgain, false))
        poll();
}
