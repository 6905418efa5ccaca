#include "dialogs/switching/TAggregatorPortTableForm.h"

#include "tables/PortGroupDialogTables.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

namespace Column = PortGroupDialogTables::AggregatorColumn;
using PortGroupDialogTables::lacpStateBits;

constexpr DedicatedField kFields[] = {
    {Column::ActorAdminKey, "edtActorKey", "Actor Admin Key", DedicatedField::Edit, "%i{n0x65535l5}"},
    {Column::PartnerAdminSystemId, "edtPartnerID", "Partner Admin System ID", DedicatedField::Edit, "%s{l12}"},
    {Column::PartnerAdminKey, "edtPartnerKey", "Partner Admin Key", DedicatedField::Edit, "%i{n0x65535l5}"},
};

} // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Aggregator Port", .size = {720, 560}})
{
    runCreation([this] {
        m_table = &addBinding(PortGroupDialogTables::aggregatorPorts);
        addRowCount("ST_Count", addList(*m_table, "ListView1"));
        addFields(*m_table, kFields);
        m_stateBoxes << addBitsPage("Actor Admin State", lacpStateBits, m_table, Column::ActorAdminState)
                     << addBitsPage("Partner Admin State", lacpStateBits, m_table, Column::PartnerAdminState)
                     << addBitsPage("Actor Oper State", lacpStateBits) << addBitsPage("Partner Oper State", lacpStateBits);
        // The operational pages exist, but their tabs are not shown.
        pages()->setTabVisible(2, false);
        pages()->setTabVisible(3, false);

        // A read of this list leaves the bound controls disabled until a row is
        // chosen; its end gives them back.
        registerReadyNotice(m_table, false, [this] { enableEditor(true); });
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnEdit = addButton("Edit", "btnEdit", [this] { edit(); });
        addButton("Close", "btnClose", [this] { reject(); });
        m_btnEdit->setEnabled(false);
        refresh();
    });
}

void TAggregatorPortTableForm::refresh(bool clear)
{
    m_table->request().setAlive(true);
    if (m_table->busy())
        return;
    setReady(false);
    m_btnEdit->setEnabled(false);
    if (!refreshBinding(m_table))
        setReady(true);
    if (clear)
        clearEditor();
}

void TAggregatorPortTableForm::edit()
{
    m_table->request().setAlive(true);
    if (!ready())
        return;
    static const QRegularExpression twelveHexDigits(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    const QString partner = control<QLineEdit>("edtPartnerID")->text();
    if (!passes({{[&] { return !twelveHexDigits.match(partner).hasMatch(); }, "Invalid MAC address"}}))
        return;
    // A write that went through is read back (nothing else starts until that
    // read has ended); a failed one leaves the row and the editor as they were.
    setReady(false);
    m_btnEdit->setEnabled(false);
    write({.binding = m_table,
           .row = DedicatedWrite::Row::Selected,
           .readBack = DedicatedWrite::ReadBack::Never,
           .finished = [this](bool wrote) {
               if (wrote) {
                   refresh(true);
                   return;
               }
               setReady(true);
               m_btnEdit->setEnabled(m_table && m_table->rowSelected());
           }});
}

void TAggregatorPortTableForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    m_btnEdit->setEnabled(row && ready());
    if (!row)
        clearEditor();
}

void TAggregatorPortTableForm::clearEditor()
{
    for (QCheckBox *box : m_stateBoxes)
        box->setChecked(false);
    for (const char *name : {"edtActorKey", "edtPartnerID", "edtPartnerKey"})
        control<QLineEdit>(name)->clear();
}

void TAggregatorPortTableForm::enableEditor(bool enabled)
{
    for (QCheckBox *box : m_stateBoxes)
        box->setEnabled(enabled);
    for (const char *name : {"edtActorKey", "edtPartnerID", "edtPartnerKey"})
        control<QLineEdit>(name)->setEnabled(enabled);
}
