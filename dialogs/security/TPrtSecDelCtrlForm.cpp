#include "dialogs/security/TPrtSecDelCtrlForm.h"

#include "device/StackPort.h"
#include "snmp/QxHexText.h"
#include "tables/AddressBindingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

namespace Tables = AddressBindingDialogTables;
namespace Column = Tables::PortSecurityColumn;

// On screen in the order Set checks them: the VLAN, the port, the MAC.
constexpr DedicatedField kFields[] = {
    {Column::VlanName, "edtVlan", "VLAN", DedicatedField::Edit, "%s{l32}"},
    {Column::Port, "edtPort", nullptr, DedicatedField::HiddenEdit, "%i{n0x768l3}"},
};
constexpr DedicatedField kAfterPort[] = {
    {Column::Mac, "edtMac", "MAC", DedicatedField::Edit, "%s{l12}"},
    {Column::Activity, "cbxOper", nullptr, DedicatedField::DropDown},
};
constexpr int MaxUnit = 12;
// The ports of a unit the module does not know.
constexpr int UnknownUnitPorts = 50;

int portsOfUnit(int unit)
{
    return unit == StackPort::unitNumber ? StackPort::unitPorts : UnknownUnitPorts;
}

} // namespace

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Port Sercurity Delete Control Form",
                              .status = StatusOutput::StatusBar,
                              .size = {420, 220}})
{
    runCreation([this] {
        m_delete = &addBinding(Tables::portSecurityDelete, {.synchronous = true});
        addFields(*m_delete, kFields);
        m_port = new QLineEdit;
        m_port->setObjectName(QStringLiteral("PortEdit"));
        digitsOnly(m_port);
        addToEditor("Port", m_port);
        m_unit = new QLineEdit;
        m_unit->setObjectName(QStringLiteral("UnitEdit"));
        m_unit->hide();
        addToEditor(nullptr, m_unit);
        addFields(*m_delete, kAfterPort);
        control<QComboBox>("cbxOper")->hide();
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Set", "btnSet", [this] { set(); });
        refresh();
    });
}

void TPrtSecDelCtrlForm::refresh()
{
    // The binding reads synchronously: the port is in when it returns.
    refreshBinding(m_delete);
    showPort();
}

void TPrtSecDelCtrlForm::showPort()
{
    bool read = false;
    const int global = control<QLineEdit>("edtPort")->text().toInt(&read);
    if (!read)
        return;
    const StackPort shown = StackPort::fromGlobal(global);
    m_unit->setText(QString::number(shown.unit));
    m_port->setText(QString::number(shown.port));
}

void TPrtSecDelCtrlForm::set()
{
    m_unit->setText(QString::number(StackPort::unitNumber));
    QLineEdit *vlan = control<QLineEdit>("edtVlan");
    QLineEdit *mac = control<QLineEdit>("edtMac");
    const int unit = m_unit->text().toInt();
    bool number = false;
    const int port = m_port->text().toInt(&number);
    // A port that is no positive number is refused with what was typed kept;
    // one the unit does not have (or a unit beyond the stack) is refused and
    // the unit and port show "0", so that nothing suggests it exists.
    const bool beyond = number && port >= 1 && (unit < 1 || unit > MaxUnit || port > portsOfUnit(unit));
    if (!passes({
            {[vlan] { return vlan->text().isEmpty(); }, "You should input VLAN name.", vlan},
            {[&] { return !number || port < 1 || beyond; }, "You should input valid port.", m_port},
        })) {
        if (beyond && !vlan->text().isEmpty()) {
            m_unit->setText(QStringLiteral("0"));
            m_port->setText(QStringLiteral("0"));
        }
        return;
    }
    if (!passes({{[mac] { return !QxHexText::isDigits(mac->text(), QxHexText::MacDigits); },
                  "You should input valid MAC address.", mac}}))
        return;
    control<QLineEdit>("edtPort")->setText(QString::number(StackPort::global(unit, port)));
    write({.binding = m_delete,
           .status = control<QComboBox>("cbxOper"),
           .statusItem = Tables::activityStart,
           .readBack = DedicatedWrite::ReadBack::Always});
}
