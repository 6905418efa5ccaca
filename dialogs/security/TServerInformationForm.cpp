#include "dialogs/security/TServerInformationForm.h"

#include "snmp/QxKeyCodec.h"

#include "tables/AacDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

namespace Aac = AacDialogTables;
namespace Column = Aac::ServerColumn;

constexpr DedicatedField kFields[] = {
    {Column::Address, "IPEdit", "Server IP", DedicatedField::Edit, "%s{l16}"},
    {Column::Protocol, "ProtocolComboBox", "Server Auth Protocol", DedicatedField::DropDown},
    {Column::Port, "PortEdit", "Server Auth Port", DedicatedField::Edit, "%i{n1x65535l5}"},
    {Column::Key, "KeyEdit", "Server Auth Key", DedicatedField::Edit, "%s{l254}"},
    {Column::Timeout, "TimeoutEdit", "Server Timeout", DedicatedField::Edit, "%i{n1x255}"},
    {Column::RetryCount, "RetryCEdit", "Server Retry Count", DedicatedField::Edit, "%i{n1x255}"},
    {Column::RowStatus, "RowComboBox", "Server Row Status", DedicatedField::DropDown},
};
constexpr char kNoProtocol[] = "Protocol must be set.";

// What a server has besides its keys and row status.
QList<int> serverValues()
{
    return {Column::Port, Column::Key, Column::Timeout, Column::RetryCount};
}

} // namespace

TServerInformationForm::TServerInformationForm(QWidget *parent)
    : TDedicatedForm(parent,
                     {.caption = "AAC Server Information Table", .status = StatusOutput::StatusBar, .size = {680, 460}})
{
    runCreation([this] {
        m_servers = &addBinding(Aac::servers, {.synchronous = true});
        m_list = addList(*m_servers, "ListView1");
        addFields(*m_servers, kFields);
        m_address = control<QLineEdit>("IPEdit");
        m_protocol = control<QComboBox>("ProtocolComboBox");
        m_key = control<QLineEdit>("KeyEdit");
        m_retryCount = control<QLineEdit>("RetryCEdit");
        m_rowStatus = control<QComboBox>("RowComboBox");
        connect(m_protocol, &QComboBox::currentIndexChanged, this, [this] { followProtocol(); });
        addRowCount("Static", m_list, false);
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnEdit = addButton("Edit", "btnEdit", [this] { edit(); });
        m_btnAdd = addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        refreshBinding(m_servers);
    });
    if (!m_btnDelete)
        return; // creation failed
    showSelection(false);
    clearEditor();
    m_rowStatus->setCurrentIndex(Aac::rowCreateAndGo);
}

void TServerInformationForm::showSelection(bool selected)
{
    m_btnEdit->setEnabled(selected);
    m_btnDelete->setEnabled(selected);
    m_btnAdd->setEnabled(!selected);
    m_address->setEnabled(!selected);
    setKeyEditable(m_address, !selected);
    m_protocol->setEnabled(!selected);
}

void TServerInformationForm::clearEditor()
{
    for (const DedicatedField &f : kFields)
        if (f.kind == DedicatedField::Edit)
            control<QLineEdit>(f.objectName)->clear();
    m_protocol->setCurrentIndex(-1);
    m_rowStatus->setCurrentIndex(-1);
    followProtocol();
}

void TServerInformationForm::followProtocol()
{
    const int protocol = m_protocol->currentIndex();
    const auto apply = [](QLineEdit *edit, bool applies) {
        if (!applies)
            edit->clear();
        edit->setEnabled(applies);
        setKeyEditable(edit, applies);
    };
    apply(m_key, protocol != Aac::protocolTacacs && protocol != Aac::protocolXtacacs);
    apply(m_retryCount, protocol != Aac::protocolTacacsPlus);
}

void TServerInformationForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    showSelection(row != nullptr);
    if (row)
        followProtocol();
    else
        clearEditor();
}

QList<int> TServerInformationForm::emptyValues() const
{
    QList<int> empty;
    for (const DedicatedField &f : kFields)
        if (f.kind == DedicatedField::Edit && f.column != Column::Address
            && control<QLineEdit>(f.objectName)->text().isEmpty())
            empty << f.column;
    return empty;
}

bool TServerInformationForm::listed() const
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_list->topLevelItem(i);
        if (QxKeyCodec::sameKey(row->text(Column::Address), m_address->text())
            && row->text(Column::Protocol) == m_protocol->currentText())
            return true;
    }
    return false;
}

void TServerInformationForm::writeServer(DedicatedWrite server)
{
    server.binding = m_servers;
    server.succeeded = [this] {
        clearEditor();
        showSelection(false);
    };
    write(server);
}

void TServerInformationForm::refresh()
{
    refreshBinding(m_servers);
    showSelection(false);
    clearEditor();
}

void TServerInformationForm::add()
{
    if (!validAddress(m_address)
        || !passes({
            {[this] { return m_protocol->currentIndex() < 0; }, kNoProtocol, m_protocol},
            {[this] { return listed(); },
             "Has already a record with the same Server IP and Protocol. Please change Server IP or Protocol.",
             m_address},
            {[this] { return m_rowStatus->currentIndex() != Aac::rowCreateAndGo; }, "Row State must be createAndGo.",
             m_rowStatus},
        }))
        return;
    writeServer({.row = DedicatedWrite::Row::New, .keptOut = emptyValues()});
}

void TServerInformationForm::edit()
{
    if (!passes({
            {[this] { return m_address->text().isEmpty(); }, "Server IP must be set.", m_address},
            {[this] { return m_protocol->currentIndex() < 0; }, kNoProtocol, m_protocol},
        }))
        return;
    // "destroy" removes the server, as Delete does.
    if (m_rowStatus->currentIndex() == Aac::rowDestroy) {
        writeServer({.row = DedicatedWrite::Row::Selected, .keptOut = serverValues()});
        return;
    }
    writeServer({.row = DedicatedWrite::Row::Selected, .keptOut = emptyValues() << Column::RowStatus});
}

void TServerInformationForm::remove()
{
    writeServer({.row = DedicatedWrite::Row::Selected,
                 .keptOut = serverValues(),
                 .status = m_rowStatus,
                 .statusItem = Aac::rowDestroy});
}
