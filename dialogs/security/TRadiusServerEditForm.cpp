#include "dialogs/security/TRadiusServerEditForm.h"

#include "binding/QxIpAddressRule.h"
#include "tables/RadiusDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

namespace Tables = RadiusDialogTables;
namespace Column = Tables::Column;

constexpr DedicatedField kFields[] = {
    {Column::Index, "IndexComboBox", "Index", DedicatedField::DropDown},
    {Column::Address, "IpEdit", "IP Address", DedicatedField::Edit, "%s{l16}"},
    {Column::Key, "KeyEdit", "Key", DedicatedField::Edit, "%s{l32}"},
    {Column::AuthPort, "PortIndexEdit", "Authentication Port Index", DedicatedField::Edit, "%i{n1x65535l5}"},
    {Column::AccountingPort, "AccountPortEdit", "Accounting Port Index", DedicatedField::Edit, "%i{n1x65535l5}"},
    {Column::Status, "StatusComboBox", "Status", DedicatedField::DropDown},
};
constexpr char kInvalidAddress[] = "Please input a valid ip!";
constexpr char kNoAddress[] = "0.0.0.0";
constexpr char kNoKey[] = "0";

} // namespace

TRadiusServerEditForm::TRadiusServerEditForm(QWidget *parent, QxSNMPRequest2Edits &servers, const QTreeWidget *list)
    : TDedicatedForm(parent, {.caption = "Radius Server Edit", .status = StatusOutput::Memo, .size = {440, 300},
                              .reopened = true}),
      m_servers(servers), m_list(list)
{
    runCreation([this] {
        addFields(m_servers, kFields);
        m_index = control<QComboBox>("IndexComboBox");
        m_status = control<QComboBox>("StatusComboBox");
        m_address = control<QLineEdit>("IpEdit");
        m_key = control<QLineEdit>("KeyEdit");
        m_authPort = control<QLineEdit>("PortIndexEdit");
        m_accountingPort = control<QLineEdit>("AccountPortEdit");
        addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
    });
}

void TRadiusServerEditForm::showEvent(QShowEvent *event)
{
    TDedicatedForm::showEvent(event);
    // While the window is open its write reports here, where the user looks.
    Memo1()->clear();
    m_servers.setStatusTarget(Memo1());
    if (m_mode == Mode::Edit) {
        // The selected server: its index and status are not changed here.
        m_index->setEnabled(false);
        m_status->setEnabled(false);
        return;
    }
    m_status->setCurrentIndex(Tables::statusCreateAndGo);
    m_status->setEnabled(false);
    m_index->setEnabled(true);
    m_index->setCurrentIndex(Tables::firstServer);
    for (QLineEdit *edit : {m_address, m_key, m_authPort, m_accountingPort})
        edit->clear();
}

void TRadiusServerEditForm::hideEvent(QHideEvent *event)
{
    if (auto *owner = qobject_cast<TDedicatedForm *>(parentWidget()); owner && owner->Memo1())
        m_servers.setStatusTarget(owner->Memo1());
    TDedicatedForm::hideEvent(event);
}

void TRadiusServerEditForm::set()
{
    if (m_mode == Mode::Add)
        add();
    else
        change();
}

bool TRadiusServerEditForm::notReserved()
{
    const char *reserved = QxIpAddressRule::reservedMessage(m_address->text());
    return passes({{[reserved] { return reserved != nullptr; }, reserved ? reserved : "", m_address}});
}

bool TRadiusServerEditForm::duplicate()
{
    const QString given[] = {
        m_address->text().isEmpty() ? QString::fromLatin1(kNoAddress) : m_address->text(),
        m_key->text().isEmpty() ? QString::fromLatin1(kNoKey) : m_key->text(),
        m_authPort->text().isEmpty() ? QString::fromLatin1(Tables::defaultAuthPort) : m_authPort->text(),
        m_accountingPort->text().isEmpty() ? QString::fromLatin1(Tables::defaultAccountingPort)
                                           : m_accountingPort->text(),
    };
    const auto sameServer = [&given](const QTreeWidgetItem *row) {
        for (int i = 0; i < 4; ++i)
            if (row->text(Column::Address + i) != given[i])
                return false;
        return true;
    };
    return !passes({{[&] {
                         for (int i = 0; i < m_list->topLevelItemCount(); ++i)
                             if (sameServer(m_list->topLevelItem(i)))
                                 return true;
                         return false;
                     },
                     "the variable is already exist"}});
}

void TRadiusServerEditForm::add()
{
    // A server needs an address: none would create a row at 0.0.0.0.
    if (!passes({
            {[this] { return m_index->currentIndex() < 0; }, "Index is needed!", m_index},
            {[this] { return rowWithText(m_list, Column::Index, m_index->currentText()) != nullptr; },
             "Index is already exist!"},
            {[this] { return !QxIpAddressRule::isValid(m_address->text()); }, kInvalidAddress, m_address},
        })
        || !notReserved() || duplicate())
        return;
    if (m_authPort->text().isEmpty())
        m_authPort->setText(QString::fromLatin1(Tables::defaultAuthPort));
    if (m_accountingPort->text().isEmpty())
        m_accountingPort->setText(QString::fromLatin1(Tables::defaultAccountingPort));
    m_status->setCurrentIndex(Tables::statusCreateAndGo);
    write({.binding = &m_servers, .row = DedicatedWrite::Row::New, .succeeded = [this] { accept(); }});
}

void TRadiusServerEditForm::change()
{
    if (!m_address->text().isEmpty()
        && (!notReserved()
            || !passes({{[this] { return !QxIpAddressRule::isValid(m_address->text()); }, kInvalidAddress, m_address}})))
        return;
    if (duplicate())
        return;
    // What is unchanged (or empty) is not sent; the status goes as the row has it.
    const QTreeWidgetItem *row = rowWithText(m_list, Column::Index, m_index->currentText());
    const std::pair<int, QLineEdit *> values[] = {
        {Column::Address, m_address}, {Column::Key, m_key}, {Column::AuthPort, m_authPort},
        {Column::AccountingPort, m_accountingPort}};
    QList<int> unchanged;
    for (const auto &[column, edit] : values)
        if (edit->text().isEmpty() || (row && row->text(column) == edit->text()))
            unchanged << column;
    if (m_address->text() == QLatin1String(kNoAddress) && !unchanged.contains(Column::Address))
        unchanged << Column::Address;
    write({.binding = &m_servers,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = unchanged,
           .succeeded = [this] { accept(); }});
}
