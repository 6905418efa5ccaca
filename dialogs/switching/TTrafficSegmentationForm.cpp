#include "dialogs/switching/TTrafficSegmentationForm.h"

#include "device/StackPort.h"
#include "device/TPortUitForm.h"
#include "tables/PortGroupDialogTables.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Column = PortGroupDialogTables::SegmentationColumn;

constexpr DedicatedField kFields[] = {
    {Column::Port, "ST_Port", nullptr, DedicatedField::HiddenText},
};

} // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget *parent)
    : TDedicatedForm(parent,
                     {.caption = "Traffic Segmentation Table", .status = StatusOutput::StatusBar, .size = {600, 520}})
{
    runCreation([this] {
        m_table = &addBinding(PortGroupDialogTables::segmentation);
        addRowCount("StaticText1", addList(*m_table, "LV_TrafficForward"), false);
        addFields(*m_table, kFields);
        m_port = new QLineEdit;
        m_port->setObjectName(QStringLiteral("Combo_Port"));
        m_port->setReadOnly(true);
        addToEditor("Port : ", m_port);
        m_unit = new QLineEdit(this);
        m_unit->setObjectName(QStringLiteral("UnitEdit"));
        m_unit->setReadOnly(true);
        m_unit->hide();
        m_forward = addPortPage("Forward Ports", m_table, Column::ForwardPorts);

        // A read ends the wait, and so does a write that failed (one that went
        // through is read again, and that read ends it).
        onReadDone(m_table, [this](const QxSNMPError &) { setReady(true); });
        onWriteDone(m_table, [this](const QxSNMPError &error) {
            if (error.code != 0)
                setReady(true);
        });
        addButton("Refresh", "btnRefresh", [this] {
            if (refusedWhileReading())
                return;
            resumeRequests(m_table);
            setReady(false);
            if (!refreshBinding(m_table))
                setReady(true);
            clearEditor();
        });
        m_btnSet = addButton("Set", "btnSet", [this] {
            if (refusedWhileReading())
                return;
            resumeRequests(m_table);
            setReady(false);
            if (!write({.binding = m_table, .row = DedicatedWrite::Row::Selected, .succeeded = [this] { clearEditor(); }}))
                setReady(true);
        });
        addButton("Stop", "btnStop", [this] {
            setReady(true);
            stopRequests(m_table);
        });
        refreshBinding(m_table);
        m_btnSet->setEnabled(false);
    });
}

bool TTrafficSegmentationForm::refusedWhileReading()
{
    if (ready())
        return false;
    inform(QStringLiteral("Refresh not complete"));
    return true;
}

void TTrafficSegmentationForm::clearEditor()
{
    m_forward->ClearAll();
    m_port->clear();
    m_unit->clear();
    m_btnSet->setEnabled(false);
}

void TTrafficSegmentationForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        clearEditor();
        return;
    }
    const StackPort port = StackPort::fromGlobal(control<QLabel>("ST_Port")->text().toInt());
    m_unit->setText(QString::number(port.unit));
    m_port->setText(QString::number(port.port));
    m_btnSet->setEnabled(true);
}
