#include "device/TVlanMatrixForm.h"

#include "binding/QxColumnFitter.h"
#include "binding/QxSNMPRequest2Rows.h"
#include "binding/QxStatusLine.h"
#include "device/QxJointRead.h"
#include "device/TVlanMatrixView.h"
#include "snmp/QxHexText.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxValueCodec.h"
#include "tables/VlanDialogTables.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

namespace V = VlanDialogTables::StaticColumn;
namespace P = VlanDialogTables::PortColumn;

// Rows the matrix shows at its first size before scrolling.
constexpr int ShownRows = 8;

QByteArray portList(const QString &hexText)
{
    if (hexText == QxValueCodec::nullText() || hexText == QxValueCodec::notDoneText())
        return QByteArray();
    return QxHexText::toOctets(hexText);
}

} // namespace

TVlanMatrixForm::TVlanMatrixForm(QWidget *owner)
    : QDialog(owner, Qt::Window),
      m_vlans(QxSNMPRequest2Rows::ofColumns(this, VlanDialogTables::staticVlans, {V::Name, V::Egress, V::Untagged})),
      m_pvids(QxSNMPRequest2Rows::ofColumns(this, VlanDialogTables::portVlans, {P::Pvid})),
      m_writes(std::make_unique<QxVlanMatrixWrites>(this)), m_view(new TVlanMatrixView),
      m_status(new QLabel), m_apply(new QPushButton(QStringLiteral("Apply"))),
      m_refresh(new QPushButton(QStringLiteral("Refresh")))
{
    setObjectName(QStringLiteral("TVlanMatrixForm"));
    setModal(false);
    setWindowTitle(QStringLiteral("%1 : %2").arg(QString::fromLatin1(Caption), defaultDevice.address));
    m_read = std::make_unique<QxJointRead>(QList<QxSNMPRequest2Rows *>{m_vlans.get(), m_pvids.get()}, nullptr);
    connect(m_read.get(), &QxJointRead::ended, this, &TVlanMatrixForm::readEndedJointly);
    connect(m_writes.get(), &QxVlanMatrixWrites::finished, this, &TVlanMatrixForm::writesFinished);

    m_view->setObjectName(QStringLiteral("LV_VlanMatrix"));
    connect(m_view, &TVlanMatrixView::portCellClicked, this, &TVlanMatrixForm::cellClicked);
    m_fitter = std::make_unique<QxColumnFitter>(m_view);
    m_fitter->reset(0);
    // A cell holds one letter: the port columns keep their headers' width,
    // and the fitter leaves them so.
    m_view->evenPortColumns();

    auto *legend = new QLabel(QStringLiteral("U: untagged member, T: tagged member. A click on a cell changes it; "
                                             "highlighted cells are not applied yet."));
    legend->setObjectName(QStringLiteral("ST_Legend"));
    legend->setWordWrap(true);
    m_apply->setObjectName(QStringLiteral("btnApply"));
    m_refresh->setObjectName(QStringLiteral("btnRefresh"));
    m_apply->setAutoDefault(false);
    m_refresh->setAutoDefault(false);
    connect(m_apply, &QPushButton::clicked, this, &TVlanMatrixForm::applyClicked);
    connect(m_refresh, &QPushButton::clicked, this, &TVlanMatrixForm::refreshClicked);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(legend, 1);
    buttons->addWidget(m_refresh);
    buttons->addWidget(m_apply);

    m_status->setObjectName(QStringLiteral("StatusPanel"));
    // A long text does not widen the window; its tooltip holds it whole.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    bar->addWidget(m_status, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    layout->addWidget(bar);
    m_view->setMinimumHeight(m_view->heightForRows(ShownRows));
    resize(sizeHint());
    m_view->setMinimumHeight(m_view->heightForRows(2));

    updateButtons();
    read();
}

TVlanMatrixForm::~TVlanMatrixForm()
{
    stopAll();
}

void TVlanMatrixForm::showPort(int port)
{
    if (port < 1 || port > QxVlanMatrix::Ports)
        return;
    QTreeWidgetItem *first = m_view->topLevelItem(0);
    if (!first) {
        m_portInSight = port;
        return;
    }
    m_portInSight = 0;
    m_view->setCurrentItem(first, TVlanMatrixView::columnOf(port));
    m_view->scrollTo(m_view->currentIndex());
    m_view->setFocus();
}

bool TVlanMatrixForm::busy() const
{
    return m_read->running() || m_writes->busy();
}

QList<QxSNMPRequest2Controls *> TVlanMatrixForm::controllers() const
{
    return {m_vlans.get(), m_pvids.get(), m_writes->controller()};
}

void TVlanMatrixForm::done(int result)
{
    if (m_matrix.hasChanges()
        && !m_messages.confirm(this, QString::fromLatin1(Caption),
                               QStringLiteral("Close without writing the changes not applied?")))
        return;
    stopAll();
    QDialog::done(result);
}

void TVlanMatrixForm::stopAll()
{
    // Everything stops first, so that it waits out a silent agent together.
    for (QxSNMPRequest2Controls *controller : controllers())
        controller->request().setAlive(false);
    m_writes->stop();
    m_read->stop();
}

void TVlanMatrixForm::read()
{
    if (m_read->start())
        updateButtons();
}

void TVlanMatrixForm::readEndedJointly()
{
    if (m_read->failure().isEmpty()) {
        QList<QxVlanMatrix::Vlan> vlans;
        const QStringList &ids = m_vlans->instances();
        for (qsizetype i = 0; i < m_vlans->rows().size(); ++i) {
            const QStringList &row = m_vlans->rows()[i];
            vlans << QxVlanMatrix::Vlan{ids.value(i).toInt(), row.value(V::Name), portList(row.value(V::Egress)),
                                        portList(row.value(V::Untagged))};
        }
        std::map<int, int> pvids;
        for (qsizetype i = 0; i < m_pvids->rows().size(); ++i)
            pvids[m_pvids->instances().value(i).toInt()] = m_pvids->rows()[i].value(P::Pvid).toInt();
        m_matrix.take(std::move(vlans), std::move(pvids));
        m_everRead = true;
        showMatrix();
        if (m_portInSight > 0)
            showPort(m_portInSight);
        if (!m_keepStatus)
            QxStatusLine::show(m_status,
                               QxStatusLine::requestLine(0, QxMessageCatalogue::instance().frameworkText(0),
                                                         m_vlans->varList().listName()));
    } else {
        // The matrix stays as it was last read, with the user's changes.
        QxStatusLine::show(m_status, QxStatusLine::requestLine(0, m_read->failure(), m_read->failedList()),
                           QxStatusLine::Outcome::Failed);
    }
    m_keepStatus = false;
    updateButtons();
    emit readEnded();
}

void TVlanMatrixForm::cellClicked(int row, int port)
{
    // What is being written stays as it is until the switch has been read again.
    if (m_writes->busy())
        return;
    m_matrix.cycle(row, port);
    showMatrix();
    updateButtons();
}

void TVlanMatrixForm::applyClicked()
{
    if (busy())
        return;
    const QxVlanMatrix::Plan plan = m_matrix.plan();
    if (!plan.refusal.isEmpty()) {
        QxStatusLine::show(m_status, QStringLiteral("Nothing was sent: ") + plan.refusal,
                           QxStatusLine::Outcome::Failed);
        return;
    }
    if (plan.isEmpty()) {
        QxStatusLine::show(m_status, QStringLiteral("Nothing to apply: the switch holds what the matrix shows."));
        return;
    }
    if (!m_messages.confirm(this, QString::fromLatin1(Caption),
                            QStringLiteral("Write these changes to the switch?\n\n") + QxVlanMatrix::describe(plan))) {
        QxStatusLine::show(m_status, QStringLiteral("Nothing was sent."));
        return;
    }
    m_writes->start(plan);
    updateButtons();
}

void TVlanMatrixForm::writesFinished(const QxVlanMatrixWrites::Outcome &outcome)
{
    QString text = QStringLiteral("Applied %1 of %2 writes.").arg(outcome.written).arg(outcome.total);
    if (!outcome.failure.isEmpty()) {
        text += QStringLiteral(" Stopped at ") + outcome.failure;
        m_matrix.owePvids(outcome.pvidsNotWritten);
    }
    QxStatusLine::show(m_status, text,
                       outcome.failure.isEmpty() ? QxStatusLine::Outcome::Plain : QxStatusLine::Outcome::Failed);
    // What went through shows once read back; the rest stays chosen.
    m_keepStatus = true;
    read();
    emit applyEnded(outcome);
}

void TVlanMatrixForm::refreshClicked()
{
    if (busy())
        return;
    if (m_matrix.hasChanges()
        && !m_messages.confirm(this, QString::fromLatin1(Caption),
                               QStringLiteral("Drop the changes not applied and read the switch again?")))
        return;
    m_matrix.discardChanges();
    read();
}

void TVlanMatrixForm::showMatrix()
{
    m_view->fill(m_matrix);
    fitColumns();
}

void TVlanMatrixForm::fitColumns()
{
    m_fitter->fit();
    m_fitter->widenWindowToColumns();
}

void TVlanMatrixForm::updateButtons()
{
    m_apply->setEnabled(!busy() && m_everRead && m_matrix.hasChanges());
    m_refresh->setEnabled(!busy());
}
