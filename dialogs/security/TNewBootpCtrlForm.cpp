#include "dialogs/security/TNewBootpCtrlForm.h"

#include "tables/AddressBindingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

namespace Tables = AddressBindingDialogTables;
namespace Column = Tables::DhcpRelayColumn;

constexpr DedicatedField kFields[] = {
    {Column::Interface, "Edit1", "Interface Name", DedicatedField::Edit, "%s"},
    {Column::Server, "Edit2", "DHCP Server IP", DedicatedField::Edit, "%s"},
};

} // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(QWidget *parent, QxSNMPRequest2Edits &relay, const QTreeWidget *list,
                                     QComboBox *status)
    : TDedicatedForm(parent, {.caption = "New DHCP Relay Control Entry", .status = StatusOutput::None,
                              .size = {400, 160}, .reopened = true}),
      m_relay(relay), m_list(list), m_status(status)
{
    runCreation([this] {
        addFields(m_relay, kFields);
        m_interface = control<QLineEdit>("Edit1");
        m_server = control<QLineEdit>("Edit2");
        addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
    });
}

void TNewBootpCtrlForm::showRow(const QTreeWidgetItem &row)
{
    m_interface->setText(row.text(Column::Interface));
    m_server->setText(row.text(Column::Server));
}

void TNewBootpCtrlForm::showEvent(QShowEvent *event)
{
    TDedicatedForm::showEvent(event);
    for (QLineEdit *edit : {m_interface, m_server}) {
        edit->setEnabled(true);
        edit->clear();
    }
}

void TNewBootpCtrlForm::set()
{
    if (!passes({{[this] { return m_interface->text().isEmpty(); }, "Interface Name is needed.", m_interface}}))
        return;
    if (!validAddress(m_server)) {
        passes({{[] { return true; }, "Please input a valid IP address.", m_server}});
        return;
    }
    const auto servers = [this] {
        int n = 0;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            n += m_list->topLevelItem(i)->text(Column::Interface) == m_interface->text();
        return n;
    };
    if (!passes({{[&] { return servers() >= Tables::serversPerInterface; },
                  "One interface can support four bootp servers at most."}},
                Report::WarningBox))
        return;
    write({.binding = &m_relay,
           .row = DedicatedWrite::Row::New,
           .status = m_status,
           .statusItem = Tables::relayCreateAndGo,
           .succeeded = [this] {
               m_interface->clear();
               m_server->clear();
               accept();
           }});
}
