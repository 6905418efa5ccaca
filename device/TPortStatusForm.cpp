#include "device/TPortStatusForm.h"

#include "binding/QxColumnFitter.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Rows.h"
#include "binding/QxSortKeyItem.h"
#include "device/QxJointRead.h"
#include "binding/QxStatusLine.h"
#include "device/QxPortStatus.h"
#include "device/QxRateChart.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"
#include "tables/PortViewTables.h"
#include "tables/VlanDialogTables.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

namespace V = VlanDialogTables::StaticColumn;

constexpr const char *kHeaders[] = {"Port", "Name",  "State", "Link", "Speed / Duplex",  "PVID", "VLANs",
                                    "PoE",  "Power", "In",    "Out",  "Errors since open"};
static_assert(std::size(kHeaders) == TPortStatusForm::ColumnCount);

// Rows with link stand out; disabled ports recede.
const QColor kUpBackground(222, 242, 216);
const QColor kDisabledBackground(236, 236, 236);

QString rateText(const std::optional<double> &bps)
{
    return bps ? QxRateChart::formatRate(*bps, QxRateChart::Unit::BitsPerSecond) : QStringLiteral("\u2013");
}

void setCell(QxSortKeyItem &item, int column, const QString &text, std::optional<double> key = std::nullopt)
{
    item.setText(column, text);
    if (key)
        item.setSortKey(column, *key);
    else
        item.clearSortKey(column);
}

} // namespace

TPortStatusForm::TPortStatusForm(QWidget *owner)
    : QDialog(owner, Qt::Window), m_ports(std::make_unique<QxSNMPRequest2Rows>(this)),
      m_vlans(QxSNMPRequest2Rows::ofColumns(this, VlanDialogTables::staticVlans, {V::Egress})), m_list(new QxListView),
      m_status(new QLabel)
{
    setObjectName(QStringLiteral("TPortStatusForm"));
    setModal(false);
    setWindowTitle(QStringLiteral("%1 : %2").arg(QString::fromLatin1(Caption), defaultDevice.address));

    m_ports->varList() = QxSNMPVarList(PortViewTables::status);
    // SNMPv1 has no 64-bit counters: its walks leave them out.
    if (m_ports->request().security.version == QxSNMPSecurity::V1) {
        QxSNMPVarList &list = m_ports->varList();
        for (int i = 0; i < list.count(); ++i)
            if (list.item(i).syntax == QxSyntax::counter64)
                list.item(i).setFlag(QxAccess::invalid, true);
    }
    m_read = std::make_unique<QxJointRead>(QList<QxSNMPRequest2Rows *>{m_ports.get(), m_vlans.get()}, nullptr);
    connect(m_read.get(), &QxJointRead::ended, this, &TPortStatusForm::readEndedJointly);

    m_list->setObjectName(QStringLiteral("LV_PortStatus"));
    QStringList headers;
    for (const char *h : kHeaders)
        headers << QString::fromLatin1(h);
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels(headers);
    m_list->headerItem()->setToolTip(Errors, QStringLiteral("Input and output errors counted since the window opened"));
    for (int port = 1; port <= Ports; ++port) {
        auto *item = new QxSortKeyItem;
        setCell(*item, Port, QString::number(port), port);
        item->setTextAlignment(Port, Qt::AlignRight | Qt::AlignVCenter);
        for (int c : {Pvid, Power, InRate, OutRate, Errors})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        m_list->addTopLevelItem(item);
        m_rows[port] = item;
    }
    m_list->sortAsClicked(Port, Qt::AscendingOrder);
    m_fitter = std::make_unique<QxColumnFitter>(m_list);
    m_fitter->reset(0);

    m_status->setObjectName(QStringLiteral("StatusPanel"));
    // A long text does not widen the window; its tooltip holds it whole.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    bar->addWidget(m_status, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(bar);
    // Every port shows at the window's first size; the user may make it smaller.
    m_list->setMinimumHeight(m_list->heightForRows(Ports));
    resize(sizeHint());
    m_list->setMinimumHeight(m_list->heightForRows(6));

    m_clock.start();
    m_timer.setInterval(RefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &TPortStatusForm::refresh);
    refresh();
}

TPortStatusForm::~TPortStatusForm()
{
    stopReading();
}

QList<QxSNMPRequest2Controls *> TPortStatusForm::controllers() const
{
    return {m_ports.get(), m_vlans.get()};
}

void TPortStatusForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_timer.start();
}

void TPortStatusForm::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QDialog::hideEvent(event);
}

void TPortStatusForm::done(int result)
{
    stopReading();
    QDialog::done(result);
}

void TPortStatusForm::stopReading()
{
    m_timer.stop();
    m_read->stop();
}

void TPortStatusForm::refresh()
{
    m_read->start();
}

void TPortStatusForm::readEndedJointly()
{
    ++m_readsEnded;
    // A table that failed leaves what it showed; the other shows what it read.
    if (!m_read->failed(m_vlans.get())) {
        m_vlanIds.clear();
        m_egress.clear();
        for (qsizetype i = 0; i < m_vlans->rows().size(); ++i) {
            m_vlanIds << m_vlans->instances().value(i).toInt();
            m_egress << m_vlans->rows()[i].value(V::Egress);
        }
    }
    if (!m_read->failed(m_ports.get()))
        fillRows();
    if (m_read->failure().isEmpty())
        QxStatusLine::show(m_status,
                           QxStatusLine::requestLine(0, QxMessageCatalogue::instance().frameworkText(0),
                                                     m_ports->varList().listName()));
    else
        QxStatusLine::show(m_status, QxStatusLine::requestLine(0, m_read->failure(), m_read->failedList()),
                           QxStatusLine::Outcome::Failed);
    emit readEnded();
}

void TPortStatusForm::fillRows()
{
    const qint64 now = m_clock.elapsed();
    const QList<QStringList> &rows = m_ports->rows();
    const QStringList &instances = m_ports->instances();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int port = instances.value(i).toInt();
        const auto row = m_rows.find(port);
        if (row == m_rows.end())
            continue; // the CPU and VLAN interfaces
        m_traffic[port].take(now, rows[i]);
        fillRow(port, *row->second, rows[i]);
    }
    fitColumns();
}

void TPortStatusForm::fillRow(int port, QxSortKeyItem &item, const QStringList &values)
{
    QxPortStatus s = QxPortStatus::fromRow(port, values);
    s.takeVlans(m_vlanIds, m_egress);
    const QxPortTraffic &traffic = m_traffic[port];
    setCell(item, Name, s.name);
    setCell(item, Admin, s.admin);
    setCell(item, Link, s.link);
    setCell(item, Speed, s.speed, s.speedBits > 0 ? std::optional<double>(double(s.speedBits)) : std::nullopt);
    bool pvidIsNumber = false;
    const int pvid = s.pvid.toInt(&pvidIsNumber);
    setCell(item, Pvid, s.pvid, pvidIsNumber ? std::optional<double>(pvid) : std::nullopt);
    setCell(item, Vlans, s.vlanText(), s.vlans.isEmpty() ? std::nullopt : std::optional<double>(s.vlans.first()));
    setCell(item, Poe, s.poe);
    setCell(item, Power, s.powerText(), s.poeWatts);
    setCell(item, InRate, rateText(traffic.inBps()), traffic.inBps());
    setCell(item, OutRate, rateText(traffic.outBps()), traffic.outBps());
    const std::optional<quint64> errors = traffic.errorsSinceFirst();
    setCell(item, Errors, errors ? QString::number(*errors) : QString(),
            errors ? std::optional<double>(double(*errors)) : std::nullopt);

    const QBrush background = s.state == QxPortStatus::State::Up         ? QBrush(kUpBackground)
                              : s.state == QxPortStatus::State::Disabled ? QBrush(kDisabledBackground)
                                                                         : QBrush();
    const QBrush foreground = s.state == QxPortStatus::State::Disabled
                                  ? palette().brush(QPalette::Disabled, QPalette::Text)
                                  : QBrush();
    for (int c = 0; c < ColumnCount; ++c) {
        item.setBackground(c, background);
        item.setForeground(c, foreground);
    }
}

void TPortStatusForm::fitColumns()
{
    const QFontMetrics metrics(m_list->font());
    bool cut = !m_fitted;
    for (int r = 0; !cut && r < m_list->topLevelItemCount(); ++r)
        for (int c = 0; !cut && c < ColumnCount; ++c)
            cut = !m_fitter->userSized(c)
                  && metrics.horizontalAdvance(m_list->topLevelItem(r)->text(c)) + QxColumnFitter::Padding
                         > m_list->columnWidth(c);
    if (!cut)
        return;
    m_fitted = true;
    m_fitter->fit();
    m_fitter->widenWindowToColumns();
}
