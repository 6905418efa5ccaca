#include "dialogs/services/TCounterMonitorForm.h"

#include "device/TRateChartForm.h"
#include "tables/EtherLikeDialogTables.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr char kNoCounters[] = "Get data not completed!";
using EtherLikeDialogTables::monitorIntervals;

} // namespace

TCounterMonitorForm::TCounterMonitorForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = StatusOutput::Memo, .size = {560, 480}})
    , m_counterTable(*spec.counters)
{
    runCreation([this, &spec] {
        m_timer = new QTimer(this);
        m_timer->setObjectName(QStringLiteral("Timer1"));
        connect(m_timer, &QTimer::timeout, this, [this] { handleEvent(nullptr, [this] { tick(); }); });

        m_ports = &addBinding(*spec.ports);
        m_list = addList(*m_ports, "ListView1");
        addFields(*m_ports, spec.fields);
        registerReadyNotice(m_ports, false, [this] { portsRead(); });

        m_counters = &addBinding(*spec.counters);
        m_chart = new QxListView(this);
        m_chart->setObjectName(QStringLiteral("lvChart"));
        m_chart->hide();
        m_counters->bindListView(m_chart, false);

        m_values = new QTreeWidget;
        m_values->setObjectName(QStringLiteral("ListView2"));
        m_values->setRootIsDecorated(false);
        m_values->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
        for (const char *name : spec.rowNames)
            new QTreeWidgetItem(m_values, {QString::fromLatin1(name), QString()});
        m_values->resizeColumnToContents(0);
        m_values->setMaximumHeight(30 + 22 * int(spec.rowNames.size()));
        bodyLayout()->insertWidget(bodyLayout()->indexOf(buttonRow()), m_values);

        m_interval = new QComboBox;
        m_interval->setObjectName(QStringLiteral("cbxInterval"));
        for (const auto &interval : monitorIntervals)
            m_interval->addItem(QString::fromLatin1(interval.text));
        m_interval->setCurrentIndex(0);
        connect(m_interval, &QComboBox::currentIndexChanged, this, [this](int item) { intervalChosen(item); });
        addToEditor("Interval Time", m_interval);

        addButton("Refresh", "btnGet", [this] { refresh(); });
        if (spec.writable)
            m_btnSet = addButton("Set", "btnSet", [this] { set(); });
        addButton("Chart…", "btnChart", [this] { openChart(); });
        addButton("Close", "btnClose", [this] { reject(); });
    });
}

void TCounterMonitorForm::start()
{
    refreshBinding(m_ports);
    if (m_btnSet)
        m_btnSet->setEnabled(false);
}

bool TCounterMonitorForm::monitoring() const
{
    return m_timer->isActive();
}

QStringList TCounterMonitorForm::counterNames() const
{
    QStringList names;
    const QxSNMPVarList counters(m_counterTable);
    for (int i = 0; i < counters.count(); ++i)
        names << counters.item(i).caption;
    return names;
}

TRateChartForm *TCounterMonitorForm::openChart()
{
    if (!m_rateChart) {
        QList<TRateChartForm::Series> series;
        QList<int> all;
        for (int i = 0; i < QxColumns::count(m_counterTable.items); ++i) {
            series.append({m_counterTable.items[i].caption, "1/s", {}});
            all << i;
        }
        m_rateChart = new TRateChartForm(this, windowTitle() + QStringLiteral(" - Chart"), series,
                                         {{"Counters per second", QxRateChart::Unit::PerSecond, all}});
        m_rateChart->setObjectName(QStringLiteral("RateChart"));
        TRateChartForm *chart = m_rateChart;
        connect(this, &TCounterMonitorForm::countersShown, chart, [this, chart](const QString &port, const QStringList &values) {
            if (port != m_chartPort)
                chart->restartMeasuring();
            m_chartPort = port;
            QxCounterSample sample;
            for (const QString &value : values) {
                bool ok = false;
                const quint64 count = value.toULongLong(&ok);
                sample.counters << (ok ? std::optional<QxCounterReading>(QxCounterReading{count, false}) : std::nullopt);
            }
            chart->addSample(sample);
        });
        connect(this, &TCounterMonitorForm::displayReset, chart, [this, chart] {
            m_chartPort.clear();
            chart->restartMeasuring();
        });
    }
    m_rateChart->show();
    m_rateChart->raise();
    return m_rateChart;
}

void TCounterMonitorForm::portsRead() {}

void TCounterMonitorForm::clearPortControls() {}

void TCounterMonitorForm::reset()
{
    resetCounters();
    clearPortControls();
}

void TCounterMonitorForm::resetCounters()
{
    // Back to "none" first: that stops the timer.
    m_interval->setCurrentIndex(0);
    m_timer->stop();
    for (int row = 0; row < m_values->topLevelItemCount(); ++row)
        m_values->topLevelItem(row)->setText(1, QString());
    if (m_btnSet)
        m_btnSet->setEnabled(false);
    m_chart->clear();
    m_monitoredPort.clear();
    emit displayReset();
}

void TCounterMonitorForm::intervalChosen(int item)
{
    if (item < 0 || item >= int(std::size(monitorIntervals)))
        return;
    if (monitorIntervals[item].ms == 0) {
        m_timer->stop();
        return;
    }
    // Without a port there are no counters to read: nothing is asked of the
    // switch, and the display says so and stays idle.
    if (m_monitoredPort.isEmpty()) {
        showStatusText(QString::fromLatin1(kNoCounters));
        reset();
        return;
    }
    m_timer->start(monitorIntervals[item].ms);
}

QString TCounterMonitorForm::selectedPort() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : m_ports->varList().item(0).valueText;
}

void TCounterMonitorForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        reset();
        return;
    }
    guarded(m_counters, [this] {
        // One GET asks for the counters of this port alone.
        const QString port = selectedPort();
        m_counters->varList() = QxSNMPVarList(m_counterTable);
        m_counters->varList().setInstanceSuffix(port);
        m_counters->setAsynchronous(false);
        m_chart->clear();
        m_counters->refresh();
        m_monitoredPort = port;
        showCounters();
        if (m_chart->topLevelItemCount() > 0)
            m_interval->setCurrentIndex(EtherLikeDialogTables::firstMonitorInterval);
    });
    if (m_btnSet)
        m_btnSet->setEnabled(true);
}

void TCounterMonitorForm::tick()
{
    if (!m_counters || m_counters->busy() || m_monitoredPort.isEmpty())
        return;
    m_chart->clear();
    // A read that fails leaves the last values shown; the timer goes on.
    if (guarded(m_counters, [this] { m_counters->refresh(); }))
        showCounters();
}

void TCounterMonitorForm::showCounters()
{
    QTreeWidgetItem *row = m_chart->topLevelItem(0);
    if (!row) {
        showStatusText(QString::fromLatin1(kNoCounters));
        reset();
        return;
    }
    // The chart's columns carry the counters' captions.
    const QStringList names = counterNames();
    QStringList values;
    const QTreeWidgetItem *header = m_chart->headerItem();
    for (const QString &name : names) {
        QString value;
        for (int column = 0; column < m_chart->columnCount(); ++column)
            if (header->text(column) == name)
                value = row->text(column);
        values << value;
    }
    emit countersShown(m_monitoredPort, values);
    for (int i = 0; i < values.size() && i < m_values->topLevelItemCount(); ++i)
        m_values->topLevelItem(i)->setText(1, values[i]);
}

void TCounterMonitorForm::refresh()
{
    if (!m_ports || !ready() || m_ports->busy())
        return;
    reset();
    setReady(false);
    if (!refreshBinding(m_ports))
        setReady(true);
}

void TCounterMonitorForm::set()
{
    if (selectedPort().isEmpty() || !m_ports || !ready() || m_ports->busy())
        return;
    setReady(false);
    // The selected port's writable columns, then the port list once more. A
    // write that failed leaves the port, its selection and what the user set
    // as they were.
    write({.binding = m_ports,
           .row = DedicatedWrite::Row::Selected,
           .succeeded = [this] { reset(); },
           .finished = [this](bool wrote) {
               if (!wrote)
                   resetCounters();
               if (!m_ports || !m_ports->busy())
                   setReady(true);
           }});
}
