#include "dialogs/switching/TIGMPMulticastVLANGroupAddForm.h"

#include "binding/QxIpAddressRule.h"
#include "tables/SnoopingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

namespace Column = SnoopingDialogTables::GroupColumn;

constexpr DedicatedField kFields[] = {
    {Column::VlanId, "edtVID", "VLAN ID", DedicatedField::Edit, "%i{n0x4094l4}"},
    {Column::FromIp, "edtFormIP", "Form IP", DedicatedField::Edit},
    {Column::ToIp, "edtToIP", "To IP", DedicatedField::Edit},
    {Column::Status, "cbxState", "Status", DedicatedField::DropDown},
};

constexpr char kFromNotMulticast[] = "Form IP must be a multicast address (224.0.0.0 - 239.255.255.255).";
constexpr char kToNotMulticast[] = "To IP must be a multicast address (224.0.0.0 - 239.255.255.255).";
constexpr char kNotInOrder[] = "Form IP can't be greater than To IP.";

} // namespace

TIGMPMulticastVLANGroupAddForm::TIGMPMulticastVLANGroupAddForm(QWidget *parent, QxSNMPRequest2Edits &groups)
    : TDedicatedForm(parent, {.caption = "IGMP Multicast VLAN Group (Add)", .status = StatusOutput::StatusBar,
                              .size = {420, 200}, .reopened = true}),
      m_groups(groups)
{
    runCreation([this] {
        addFields(m_groups, kFields);
        m_vid = control<QLineEdit>("edtVID");
        m_from = control<QLineEdit>("edtFormIP");
        m_to = control<QLineEdit>("edtToIP");
        m_state = control<QComboBox>("cbxState");
        addButton("Add", "btnAdd", [this] { add(); });
        addButton("Close", "btnClose", [this] { reject(); });
    });
}

void TIGMPMulticastVLANGroupAddForm::showEvent(QShowEvent *event)
{
    TDedicatedForm::showEvent(event);
    // While the window is open the binding reports here, where the user looks.
    m_groups.setStatusTarget(statusPanel());
    m_state->setCurrentIndex(SnoopingDialogTables::rowStatusCreateAndGo);
    m_state->setEnabled(false);
    for (QLineEdit *edit : {m_vid, m_from, m_to}) {
        edit->clear();
        edit->setEnabled(true);
    }
}

void TIGMPMulticastVLANGroupAddForm::hideEvent(QHideEvent *event)
{
    if (auto *owner = qobject_cast<TDedicatedForm *>(parentWidget()); owner && owner->statusPanel())
        m_groups.setStatusTarget(owner->statusPanel());
    TDedicatedForm::hideEvent(event);
}

void TIGMPMulticastVLANGroupAddForm::add()
{
    if (!passes({{[this] { return m_vid->text().isEmpty(); }, "VLAN ID can't be empty.", m_vid},
                 {[this] { return m_from->text().isEmpty(); }, "Form IP can't be empty.", m_from}})
        || !validAddress(m_from, true)
        || !passes({{[this] { return m_to->text().isEmpty(); }, "To IP can't be empty.", m_to}})
        || !validAddress(m_to, true))
        return;
    // The switch takes a range of groups: both ends multicast, in order.
    const QString from = m_from->text();
    const QString to = m_to->text();
    if (!passes({{[&from] { return !QxIpAddressRule::isMulticast(from); }, kFromNotMulticast, m_from},
                 {[&to] { return !QxIpAddressRule::isMulticast(to); }, kToNotMulticast, m_to},
                 {[&] { return QxIpAddressRule::number(from) > QxIpAddressRule::number(to); }, kNotInOrder,
                  m_from}}))
        return;
    resumeRequests(&m_groups);
    // The range is the new row's instance. The window closes once the row is
    // written, and stays with what was typed when the switch refuses it.
    write({.binding = &m_groups, .row = DedicatedWrite::Row::New, .succeeded = [this] { accept(); }});
}
