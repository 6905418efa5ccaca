#include "dialogs/services/TSystemLogServerForm.h"

#include "tables/ReportingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Column = ReportingDialogTables::SyslogColumn;

constexpr DedicatedField kFields[] = {
    {Column::Index, "Ed_Index", "Server Index", DedicatedField::Edit, "%i{n1x4}"},
    {Column::Address, "Ed_IP", "Server IP Address", DedicatedField::Edit},
    {Column::Facility, "CBox_Facility", "Server Facility", DedicatedField::DropDown},
    {Column::Severity, "CBox_Severity", "Server Severity", DedicatedField::DropDown},
    {Column::UdpPort, "Ed_Port", "Server UDP Port", DedicatedField::Edit, "%i"},
    {Column::State, "CBox_State", "Server State", DedicatedField::DropDown},
    {Column::RowStatus, "CBox_RowStatus", "Row Status", DedicatedField::DropDown},
};
constexpr const char *kCombos[] = {"CBox_Facility", "CBox_Severity", "CBox_State", "CBox_RowStatus"};
constexpr char kPortRange[] = "The range of Server UDP Port for syslog is 514 or 6000-65535.";

} // namespace

TSystemLogServerForm::TSystemLogServerForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "System Log Host Table", .status = StatusOutput::StatusBar, .size = {680, 480}})
{
    runCreation([this] {
        m_hosts = &addBinding(ReportingDialogTables::syslogHosts);
        addRowCount("ST_Count", addList(*m_hosts, "LV_SystemLogServerEntry"), false);
        addFields(*m_hosts, kFields);
        m_index = control<QLineEdit>("Ed_Index");
        m_address = control<QLineEdit>("Ed_IP");
        m_port = control<QLineEdit>("Ed_Port");
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnSet = addButton("Set", "Btn_Edit", [this] { set(); });
        addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "Btn_Del", [this] { remove(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_hosts);
        m_btnSet->setEnabled(false);
        m_btnDelete->setEnabled(false);
    });
}

bool TSystemLogServerForm::validUdpPort(const QString &text)
{
    bool ok = false;
    int port = text.toInt(&ok);
    if (!ok)
        port = -1;
    return port == 514 || (port >= 6000 && port <= 65535);
}

bool TSystemLogServerForm::portAccepted()
{
    return passes({{[this] { return !m_port->text().isEmpty() && !validUdpPort(m_port->text()); }, kPortRange, m_port}});
}

void TSystemLogServerForm::clearInput()
{
    for (QLineEdit *edit : {m_index, m_address, m_port}) {
        edit->clear();
        edit->setEnabled(true);
        edit->setReadOnly(false);
    }
    setKeyEditable(m_index, true);
    for (const char *name : kCombos)
        control<QComboBox>(name)->setCurrentIndex(-1);
    m_btnSet->setEnabled(false);
    m_btnDelete->setEnabled(false);
}

void TSystemLogServerForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        clearInput();
        return;
    }
    m_btnSet->setEnabled(true);
    m_btnDelete->setEnabled(true);
    // The selected row's key cannot be changed.
    setKeyEditable(m_index, false);
    m_index->setEnabled(false);
}

void TSystemLogServerForm::refresh()
{
    refreshBinding(m_hosts);
    clearInput();
}

void TSystemLogServerForm::set()
{
    if (!validAddress(m_address) || !portAccepted())
        return;
    // An empty port is left out: it would write 0 over the configured one.
    write({.binding = m_hosts,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = m_port->text().isEmpty() ? QList<int>{Column::UdpPort} : QList<int>{},
           .succeeded = [this] { clearInput(); }});
}

void TSystemLogServerForm::add()
{
    if (!passes({
            {[this] { return m_index->text().isEmpty(); }, "Server Index must be set", m_index},
            {[this] { return rowWithText(control<QxListView>("LV_SystemLogServerEntry"), Column::Index, m_index->text()); },
             "This Index has already existed. Please Change Server Index.", m_index},
            {[this] { return m_address->text().isEmpty(); }, "Server IP Address must be set", m_address},
        })
        || !validAddress(m_address) || !portAccepted())
        return;
    // What is left empty is not sent.
    QList<int> empty;
    const std::pair<const char *, int> combos[] = {
        {"CBox_Facility", Column::Facility}, {"CBox_State", Column::State}, {"CBox_Severity", Column::Severity}};
    for (const auto &[name, column] : combos)
        if (control<QComboBox>(name)->currentText().isEmpty())
            empty << column;
    if (m_port->text().isEmpty())
        empty << Column::UdpPort;
    write({.binding = m_hosts,
           .row = DedicatedWrite::Row::New,
           .keptOut = empty,
           .status = control<QComboBox>("CBox_RowStatus"),
           .statusItem = ReportingDialogTables::syslogCreateAndGo,
           .succeeded = [this] { clearInput(); }});
}

void TSystemLogServerForm::remove()
{
    // A host is destroyed by its status alone.
    write({.binding = m_hosts,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = {Column::Address, Column::Facility, Column::Severity, Column::UdpPort, Column::State},
           .status = control<QComboBox>("CBox_RowStatus"),
           .statusItem = ReportingDialogTables::syslogDestroy,
           .succeeded = [this] { clearInput(); }});
}
