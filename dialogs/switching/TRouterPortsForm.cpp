#include "dialogs/switching/TRouterPortsForm.h"

#include "device/TPortUitForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr char kNotComplete[] = "Get data not complete";
}

TRouterPortsForm::TRouterPortsForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = spec.status, .size = {600, 520}}), m_spec(spec)
{
    runCreation([this] {
        m_table = &addBinding(*m_spec.table);
        addList(*m_table, m_spec.listName);
        const DedicatedField vlanId{0, "stVlanID", m_spec.vlanIdLabel, DedicatedField::Text};
        addFields(*m_table, std::span<const DedicatedField>(&vlanId, 1));
        if (m_spec.nameColumn >= 0) {
            const DedicatedField name{m_spec.nameColumn, "stVlanName", "VLAN Name", DedicatedField::Text};
            addFields(*m_table, std::span<const DedicatedField>(&name, 1));
        }
        m_static = addPortPage("Static Ports", m_table, m_spec.staticColumn);
        m_dynamic = addPortPage("Dynamic Ports", m_table, m_spec.dynamicColumn);
        m_dynamic->setReadOnly(true);
        m_forbidden = addPortPage("Forbidden Ports", m_table, m_spec.forbiddenColumn);

        // A read of this list leaves the bound boxes disabled; its end, whatever
        // it brought, gives them back.
        registerReadyNotice(m_table, false, [this] {
            for (TPortUitForm *picker : {m_static, m_dynamic, m_forbidden})
                for (QCheckBox *box : picker->checkBoxes())
                    box->setEnabled(true);
        });
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnSet = addButton("Set", "btnSet", [this] { set(); });
        if (m_spec.guarded) {
            addButton("Stop", "btnStop", [this] { stopRequests(m_table); });
            addButton("Close", "btnClose", [this] { reject(); });
            refuseCloseWhile([this] { return !ready(); }, kNotComplete);
        }
        m_btnSet->setEnabled(false);
        reading(refreshBinding(m_table));
    });
}

void TRouterPortsForm::reading(bool started)
{
    if (!started)
        setReady(true);
}

void TRouterPortsForm::refresh()
{
    if (!ready())
        return;
    setReady(false);
    if (m_spec.guarded)
        resumeRequests(m_table);
    reading(refreshBinding(m_table));
    clear();
}

void TRouterPortsForm::set()
{
    if (!m_spec.guarded) {
        write({.binding = m_table, .row = DedicatedWrite::Row::Selected, .succeeded = [this] { clear(); }});
        return;
    }
    if (!ready()) {
        inform(QString::fromLatin1(kNotComplete));
        return;
    }
    setReady(false);
    resumeRequests(m_table);
    // One read, from the write's own completion once it went through; a
    // failed write leaves the row and its ports as they were.
    write({.binding = m_table,
           .row = DedicatedWrite::Row::Selected,
           .readBack = DedicatedWrite::ReadBack::Never,
           .succeeded = [this] { clear(); },
           .finished = [this](bool wrote) { reading(wrote && refreshBinding(m_table)); }});
}

void TRouterPortsForm::clear()
{
    for (TPortUitForm *picker : {m_static, m_dynamic, m_forbidden})
        picker->ClearAll();
    control<QLabel>("stVlanID")->clear();
    // The name belongs to the row just cleared; it goes with it.
    if (auto *name = findChild<QLabel *>(QStringLiteral("stVlanName")))
        name->clear();
    m_btnSet->setEnabled(false);
}

void TRouterPortsForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row)
        clear();
    m_btnSet->setEnabled(row != nullptr);
}
