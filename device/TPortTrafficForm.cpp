#include "device/TPortTrafficForm.h"

#include "binding/QxSNMPRequest2Rows.h"
#include "device/QxPortRead.h"
#include "snmp/QxSNMPSession.h"
#include "tables/PortViewTables.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

namespace C = PortViewTables::CounterColumn;

QList<TRateChartForm::Series> portSeries()
{
    const QxCounterRates::Series octets = QxCounterRates::octetBits();
    // Frames are 64 octets at the least.
    const QxCounterRates::Series frames{1.0, QxCounterRates::FastestPortBits / (8 * 64)};
    return {{"In", "bit/s", octets},          {"Out", "bit/s", octets},
            {"In errors", "1/s", frames},     {"Out errors", "1/s", frames},
            {"In discards", "1/s", frames},   {"Out discards", "1/s", frames}};
}

QString captionOf(int port)
{
    return QStringLiteral("Traffic of Port %1 : %2").arg(port).arg(defaultDevice.address);
}

} // namespace

TPortTrafficForm::TPortTrafficForm(QWidget *parent, int port)
    : TRateChartForm(parent, captionOf(port), portSeries(),
                     {{"Traffic", QxRateChart::Unit::BitsPerSecond, {In, Out}},
                      {"Errors and discards", QxRateChart::Unit::PerSecond, {InErrors, OutErrors, InDiscards, OutDiscards}}}),
      m_port(port), m_read(std::make_unique<QxPortRead>(this, PortViewTables::counters, port)),
      m_interval(new QComboBox)
{
    setObjectName(QStringLiteral("TPortTrafficForm"));
    m_interval->setObjectName(QStringLiteral("cbxInterval"));
    for (int ms : IntervalsMs)
        m_interval->addItem(QStringLiteral("%1 s").arg(ms / 1000));
    controlRow()->insertWidget(0, new QLabel(QStringLiteral("Interval Time")));
    controlRow()->insertWidget(1, m_interval);
    connect(m_interval, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (item >= 0 && item < int(std::size(IntervalsMs)))
            setIntervalMs(IntervalsMs[item]);
    });
    // Samples on the interval, not up to 5 % early as a coarse timer may.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TPortTrafficForm::sample);
    connect(m_read.get(), &QxPortRead::done, this, &TPortTrafficForm::readDone);
    m_timer.start(IntervalsMs[0]);
    sample();
}

TPortTrafficForm::~TPortTrafficForm()
{
    m_timer.stop();
}

void TPortTrafficForm::closeEvent(QCloseEvent *event)
{
    // A second close while the first waits would queue the window's deletion
    // under that wait.
    if (m_closing) {
        event->ignore();
        return;
    }
    // The read on its way ends before the window goes: waiting for it from the
    // destructor would run the deletion this close queues a second time. The
    // window is gone from the screen meanwhile, even from a silent agent.
    m_closing = true;
    stopSampling();
    hide();
    m_read->binding().stopAndWait();
    m_closing = false;
    TRateChartForm::closeEvent(event);
}

void TPortTrafficForm::stopSampling()
{
    m_timer.stop();
    m_read->binding().request().setAlive(false);
}

void TPortTrafficForm::setIntervalMs(int ms)
{
    m_timer.start(ms);
    const int item = int(std::find(std::begin(IntervalsMs), std::end(IntervalsMs), ms) - std::begin(IntervalsMs));
    if (item < int(std::size(IntervalsMs)) && m_interval->currentIndex() != item)
        m_interval->setCurrentIndex(item);
}

void TPortTrafficForm::sample()
{
    // A read still on its way is waited for: the next tick asks again.
    if (!paused())
        m_read->start();
}

void TPortTrafficForm::readDone(const QStringList &values, const QxSNMPError &error)
{
    if (error.code != 0 || values.isEmpty()) {
        statusLine()->setText(error.message);
        addMissedSample();
        return;
    }
    statusLine()->clear();
    QxCounterSample s;
    s.upTime = QxPortRead::upTime(values, C::UpTime);
    s.counters = {QxPortRead::counter(values, C::HCInOctets, C::InOctets),
                  QxPortRead::counter(values, C::HCOutOctets, C::OutOctets),
                  QxPortRead::counter(values, -1, C::InErrors),
                  QxPortRead::counter(values, -1, C::OutErrors),
                  QxPortRead::counter(values, -1, C::InDiscards),
                  QxPortRead::counter(values, -1, C::OutDiscards)};
    addSample(s);
}
