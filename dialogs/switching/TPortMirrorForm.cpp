#include "dialogs/switching/TPortMirrorForm.h"

#include "device/TPortUitForm.h"
#include "tables/PortGroupDialogTables.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {

namespace Column = PortGroupDialogTables::MirrorColumn;

constexpr DedicatedField kTarget{Column::TargetPort, "PortEdit", "Target Port ", DedicatedField::Edit, "%i"};
constexpr DedicatedField kFields[] = {
    {Column::State, "CK_Status", "Mirroring Status", DedicatedField::CheckBox},
};

constexpr char kTargetIsSource[] = "The target port can't be a source port.";

} // namespace

TPortMirrorForm::TPortMirrorForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Port Mirror", .status = StatusOutput::StatusBar, .size = {600, 460}})
{
    runCreation([this] {
        m_mirror = &addBinding(PortGroupDialogTables::mirror, {.synchronous = true});
        // The target port is the global port number; the unit is always 1.
        // One label stands before the unit and the port.
        auto *target = new QWidget;
        auto *line = new QHBoxLayout(target);
        line->setContentsMargins(0, 0, 0, 0);
        auto *unit = new QLineEdit(QStringLiteral("1"));
        unit->setObjectName(QStringLiteral("UnitEdit"));
        unit->setEnabled(false);
        auto *port = new QLineEdit;
        port->setObjectName(QString::fromLatin1(kTarget.objectName));
        m_mirror->bindFormatted(kTarget.column, QString::fromLatin1(kTarget.format), port);
        line->addWidget(unit);
        line->addWidget(port);
        addToEditor(kTarget.caption, target);
        addFields(*m_mirror, kFields);
        digitsOnly(control<QLineEdit>("PortEdit"));
        m_ingress = addPortPage("Ingress Port", m_mirror, Column::RxPorts);
        m_egress = addPortPage("Egress Port", m_mirror, Column::TxPorts);
        groupPages("Source Port");
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_mirror); });
        addButton("Set Member", "btnSetMember", [this] { setMembers(); });
        refreshBinding(m_mirror);
    });
}

bool TPortMirrorForm::targetIsSource() const
{
    // The target port is the global port number; the unit is always 1.
    const int target = checkedNumber(control<QLineEdit>("PortEdit")->text());
    for (const TPortUitForm *picker : {m_ingress, m_egress})
        if (const QCheckBox *box = picker->portBox(1, target); box && box->isChecked())
            return true;
    return false;
}

void TPortMirrorForm::setMembers()
{
    // A port cannot mirror onto itself: the switch would refuse part of the
    // sequence after the first SET had already gone through.
    if (!passes({{[this] { return targetIsSource(); }, kTargetIsSource, control<QLineEdit>("PortEdit")}}))
        return;
    // All four, then each source list alone; the first failure ends the
    // sequence and leaves what the user set up for another try.
    const auto writeOnly = [this](int column) {
        QList<int> others;
        for (int c = 0; c < Column::Count; ++c)
            if (c != column && column >= 0)
                others << c;
        return write({.binding = m_mirror, .keptOut = others, .readBack = DedicatedWrite::ReadBack::Never});
    };
    if (writeOnly(-1) && writeOnly(Column::RxPorts) && writeOnly(Column::TxPorts))
        refreshBinding(m_mirror);
}
