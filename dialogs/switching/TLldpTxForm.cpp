#include "dialogs/switching/TLldpTxForm.h"

#include "tables/LldpDialogTables.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {
namespace Column = LldpDialogTables::TxColumn;
}

TLldpTxForm::TLldpTxForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = StatusOutput::StatusBar, .size = {560, 420}})
{
    runCreation([this, &spec] {
        m_table = &addBinding(*spec.table);
        m_list = addList(*m_table, "ListView1");
        const DedicatedField fields[] = {
            {Column::Port, "PortNumberText", "Port Number", DedicatedField::Text},
            {Column::Index, "IndexText", spec.indexLabel, DedicatedField::Text},
            {Column::Transmit, "TXComboBox", "VLAN Name TX", DedicatedField::DropDown},
        };
        addFields(*m_table, fields);
        addRowCount("ST_Count", m_list, false);
        // Reads and writes alike end the wait.
        registerReadyNotice(m_table, true);
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnSet = addButton("Set", "btnSet", [this] { set(); });
        addButton("Stop", "btnStop", [this] {
            stopRequests(m_table);
            setReady(true);
        });
        addButton("Close", "btnClose", [this] { reject(); });
        m_btnSet->setEnabled(false);
        if (!refreshBinding(m_table))
            setReady(true);
    });
    if (!m_table || !m_table->busy())
        setReady(true);
}

void TLldpTxForm::clearEditor()
{
    control<QLabel>("IndexText")->clear();
    control<QLabel>("PortNumberText")->clear();
    control<QComboBox>("TXComboBox")->setCurrentIndex(-1);
    m_btnSet->setEnabled(false);
}

void TLldpTxForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    m_btnSet->setEnabled(row != nullptr);
}

void TLldpTxForm::refresh()
{
    if (!ready()) {
        inform(QStringLiteral("Get data not complete!"));
        return;
    }
    clearEditor();
    setReady(false);
    resumeRequests(m_table);
    if (!refreshBinding(m_table)) {
        setReady(true);
        control<QLabel>("IndexText")->setText(QStringLiteral(" "));
        control<QLabel>("PortNumberText")->setText(QStringLiteral(" "));
    }
}

void TLldpTxForm::set()
{
    if (m_list->selectedItems().isEmpty())
        return;
    if (!ready() || m_table->busy()) {
        inform(QStringLiteral("Get data not complete"));
        return;
    }
    setReady(false);
    resumeRequests(m_table);
    // The write's completion comes within its time-outs, whatever the switch
    // does; the read follows one that went through.
    write({.binding = m_table,
           .row = DedicatedWrite::Row::Selected,
           .succeeded = [this] { clearEditor(); },
           .finished = [this](bool) {
               if (!m_table || !m_table->busy())
                   setReady(true);
           }});
}
