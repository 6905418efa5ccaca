#include "dialogs/switching/TISMVLANForm.h"

#include "device/TPortUitForm.h"
#include "tables/SnoopingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

namespace Column = SnoopingDialogTables::IsmColumn;

constexpr DedicatedField kFields[] = {
    {Column::VlanId, "ED_VLANID", "VLAN ID", DedicatedField::Edit},
    {Column::Name, "ED_VLANName", "VLAN Name", DedicatedField::Edit},
    {Column::State, "cbxVLANState", "VLAN State", DedicatedField::DropDown},
    {Column::ReplaceSourceIp, "edtSourceIP", "Replace Source IP", DedicatedField::Edit, "%s{l16}"},
    {Column::RowStatus, "cbxRowStatus", nullptr, DedicatedField::DropDown},
};

constexpr char kNotComplete[] = "Get data not complete";

} // namespace

TISMVLANForm::TISMVLANForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "IGMP Multicast VLAN Table", .size = {680, 580}})
{
    runCreation([this] {
        m_table = &addBinding(SnoopingDialogTables::ismVlans);
        addRowCount("ST_Count", addList(*m_table, "lvISMVLAN"));
        addFields(*m_table, kFields);
        m_state = control<QComboBox>("cbxVLANState");
        m_sourceIp = control<QLineEdit>("edtSourceIP");
        m_rowStatus = control<QComboBox>("cbxRowStatus");
        m_rowStatus->hide();
        m_source = addPortPage("Source Ports", m_table, Column::SourcePorts);
        m_member = addPortPage("Member Ports", m_table, Column::MemberPorts);
        m_tagMember = addPortPage("Tag Member Port", m_table, Column::TagMemberPorts);
        registerReadyNotice(m_table, false);
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnSet = addButton("Set", "btnSet", [this] { set(); });
        m_btnAdd = addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        addButton("Stop", "btnStop", [this] { stopRequests(m_table); });
        addButton("Close", "btnClose", [this] { reject(); });
        refuseCloseWhile([this] { return !ready(); }, kNotComplete);
        if (!refreshBinding(m_table))
            setReady(true);
        editorFor(false);
        m_rowStatus->setCurrentIndex(SnoopingDialogTables::rowStatusCreateAndGo);
    });
    // A creation that failed leaves nothing to wait for.
    if (!m_table || !m_table->busy())
        setReady(true);
}

void TISMVLANForm::editorFor(bool rowSelected)
{
    m_btnSet->setEnabled(rowSelected);
    m_btnDelete->setEnabled(rowSelected);
    m_btnAdd->setEnabled(!rowSelected);
    m_sourceIp->setEnabled(rowSelected);
    setKeyEditable(m_sourceIp, rowSelected);
    // The state is the user's to choose, for the selected VLAN and for a new
    // one alike; left without a choice it is not written.
    m_state->setEnabled(true);
    for (int page = 0; page < pages()->count(); ++page)
        pages()->widget(page)->setEnabled(rowSelected);
    if (!rowSelected)
        clearEditor();
}

void TISMVLANForm::clearEditor()
{
    for (TPortUitForm *picker : {m_source, m_member, m_tagMember})
        picker->ClearAll();
    control<QLineEdit>("ED_VLANID")->clear();
    control<QLineEdit>("ED_VLANName")->clear();
    m_sourceIp->clear();
    m_state->setCurrentIndex(-1);
}

void TISMVLANForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    editorFor(row != nullptr);
}

bool TISMVLANForm::refusedWhileBusy()
{
    if (ready() && !m_table->busy())
        return false;
    inform(QString::fromLatin1(kNotComplete));
    return true;
}

void TISMVLANForm::refresh()
{
    if (!ready() || m_table->busy())
        return;
    setReady(false);
    resumeRequests(m_table);
    if (!refreshBinding(m_table))
        setReady(true);
    editorFor(false);
}

QList<int> TISMVLANForm::emptyColumns() const
{
    QList<int> empty;
    if (m_sourceIp->text().isEmpty())
        empty << Column::ReplaceSourceIp;
    if (m_state->currentText().isEmpty())
        empty << Column::State;
    return empty;
}

void TISMVLANForm::writeRow(int status, const QList<int> &notSent, DedicatedWrite::Row row)
{
    setReady(false);
    // A row written is read back (the ready notice then comes with that
    // read); a failed write leaves everything as it was.
    write({.binding = m_table,
           .row = row,
           .keptOut = notSent,
           .status = m_rowStatus,
           .statusItem = status,
           .succeeded = [this] { editorFor(false); },
           .finished = [this](bool) {
               if (!m_table || !m_table->busy())
                   setReady(true);
           }});
}

void TISMVLANForm::add()
{
    if (refusedWhileBusy())
        return;
    resumeRequests(m_table);
    auto *id = control<QLineEdit>("ED_VLANID");
    auto *name = control<QLineEdit>("ED_VLANName");
    if (!passes({{[id] { return id->text().isEmpty(); }, "Please specify VLAN ID"},
                 {[name] { return name->text().isEmpty(); }, "Please specify VLAN Name"}})
        || (!m_sourceIp->text().isEmpty() && !validAddress(m_sourceIp, true)))
        return;
    // A new VLAN gets its ID, name and status; its ports come with Set.
    writeRow(SnoopingDialogTables::rowStatusCreateAndGo,
             QList<int>{Column::SourcePorts, Column::MemberPorts, Column::TagMemberPorts} + emptyColumns(),
             DedicatedWrite::Row::New);
}

void TISMVLANForm::set()
{
    if (refusedWhileBusy())
        return;
    resumeRequests(m_table);
    if (!m_sourceIp->text().isEmpty() && !validAddress(m_sourceIp, true))
        return;
    // The row status stays as read; the state is written as chosen.
    writeRow(m_rowStatus->currentIndex(), emptyColumns(), DedicatedWrite::Row::Selected);
}

void TISMVLANForm::remove()
{
    if (refusedWhileBusy())
        return;
    resumeRequests(m_table);
    writeRow(SnoopingDialogTables::rowStatusDestroy,
             {Column::Name, Column::SourcePorts, Column::MemberPorts, Column::TagMemberPorts, Column::State,
              Column::ReplaceSourceIp},
             DedicatedWrite::Row::Selected);
}
