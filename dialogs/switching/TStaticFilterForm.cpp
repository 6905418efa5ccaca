#include "dialogs/switching/TStaticFilterForm.h"

#include "device/TPortUitForm.h"
#include "snmp/QxHexText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr char kMacLength[] = "Please enter a hex string whose length is 12!";
// The receive port has no control: a new entry is written at receive port 0,
// an existing one at its own.
constexpr int NewEntryReceivePort = 0;


} // namespace

TStaticFilterForm::TStaticFilterForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = StatusOutput::Memo, .size = {640, 600}}), m_spec(spec)
{
    runCreation([this] {
        m_table = &addBinding(*m_spec.table);
        m_list = addList(*m_table, m_spec.listName);
        addFields(*m_table, m_spec.fields);
        m_vlan = control<QLineEdit>(m_spec.fields[0].objectName);
        m_mac = control<QLineEdit>(m_spec.fields[1].objectName);
        m_status = control<QComboBox>(m_spec.fields[2].objectName);
        m_receivePort = control<QLineEdit>(m_spec.fields[3].objectName);
        m_receivePort->setText(QString::number(NewEntryReceivePort));
        if (m_spec.portsOnPage)
            m_ports = addPortPage(m_spec.portsCaption, m_table, m_spec.portsColumn);
        else
            m_ports = addPortGroup(m_spec.portsCaption, m_table, m_spec.portsColumn);
        addRowCount("ST_Count", m_list, m_spec.samplesCaption);
        refreshBinding(m_table);
    });
}

bool TStaticFilterForm::keysAccepted()
{
    return passes({
        {[this] { return m_vlan->text().isEmpty() || m_mac->text().isEmpty(); }, "Please input VID and MAC Address!",
         m_vlan->text().isEmpty() ? m_vlan : m_mac},
        // A shorter key would name another entry.
        {[this] { return !QxHexText::isDigits(m_mac->text(), QxHexText::MacDigits); }, kMacLength, m_mac},
    });
}

bool TStaticFilterForm::notBusy()
{
    return passes({{[this] { return m_table && m_table->busy(); }, "Get data not complete"}});
}

void TStaticFilterForm::writeEntry(DedicatedWrite entry)
{
    entry.binding = m_table;
    entry.succeeded = [this, then = entry.succeeded] {
        setBrowsing(true);
        clearInput();
        if (then)
            then();
    };
    write(entry);
}

void TStaticFilterForm::setBrowsing(bool browsing)
{
    setKeyEditable(m_vlan, browsing);
    setKeyEditable(m_mac, browsing);
}

void TStaticFilterForm::clearInput()
{
    for (QCheckBox *box : m_ports->checkBoxes())
        box->setChecked(false);
    m_vlan->clear();
    m_mac->clear();
    m_status->setCurrentIndex(-1);
    m_receivePort->setText(QString::number(NewEntryReceivePort));
}

void TStaticFilterForm::refresh()
{
    refreshBinding(m_table);
    setBrowsing(true);
    clearInput();
}
