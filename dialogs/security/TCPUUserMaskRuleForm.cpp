#include "dialogs/security/TCPUUserMaskRuleForm.h"

#include "device/TPortUitForm.h"
#include "tables/AclRuleTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace {

namespace Column = AclRuleTables::CpuPacketRuleColumn;
constexpr auto E = DedicatedField::Edit;
constexpr auto L = DedicatedField::DropDown;

struct Chunk
{
    DedicatedCheckedField row;
    const char *invalid; // the message for a chunk that is no hex
};
constexpr Chunk kChunks[] = {
    {{{Column::Chunk1, "Edit1", "Payload Offset [1-15]", E, "%s{l32}"}, "CheckBox1"},
     "Packet(s) Offset [0 to 15] can not contain invalid character(s)."},
    {{{Column::Chunk2, "Edit2", "Payload Offset [16-31]", E, "%s{l32}"}, "CheckBox2"},
     "Packet(s) Offset [16 to 31] can not contain invalid character(s)."},
    {{{Column::Chunk3, "Edit3", "Payload Offset [32-47]", E, "%s{l32}"}, "CheckBox3"},
     "Packet(s) Offset [32 to 47] can not contain invalid character(s)."},
    {{{Column::Chunk4, "Edit4", "Payload Offset [48-63]", E, "%s{l32}"}, "CheckBox4"},
     "Packet(s) Offset [48 to 63] can not contain invalid character(s)."},
    {{{Column::Chunk5, "Edit5", "Payload Offset [64-79]", E, "%s{l32}"}, "CheckBox5"},
     "Packet(s) Offset [64 to 79] can not contain invalid character(s)."},
};
constexpr DedicatedCheckedField kRows[] = {
    {{Column::Profile, "ProfileID_Edit", "Profile ID", E, "%i{n1x3}"}},
    {{Column::Access, "AccessID_Edit", "Access ID", E, "%i{n0x5}"}},
    kChunks[0].row,
    kChunks[1].row,
    kChunks[2].row,
    kChunks[3].row,
    kChunks[4].row,
    {{Column::Permit, "PermitComboBox", "Permit", L}, "PermitCBox"},
    {{Column::RowStatus, "StatusComboBox", "Row Status", L}, "StatusCBox"},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {{"StatusComboBox", "createAndGo"}};
// Sixteen octets.
constexpr int ChunkDigits = 32;

} // namespace

TCPUUserMaskRuleForm::TCPUUserMaskRuleForm(QWidget *parent)
    : TAclTableForm(parent, ruleSpec("Packet Content Rule (CPU Filter)", AclRuleTables::cpuPacketRule, kRows,
                                     Column::RowStatus, Column::Ports, "OperButton", kDefaults))
{
}

bool TCPUUserMaskRuleForm::keysGiven()
{
    return passes({
        {[this] { return idEdit()->text().isEmpty(); }, "Profile ID must be set.", idEdit()},
        {[this] { return keyEdit(1)->text().isEmpty(); }, "Access ID must be set.", keyEdit(1)},
    });
}

bool TCPUUserMaskRuleForm::chunksAccepted()
{
    // An empty list would go as a value the switch refuses; an empty chunk
    // matches nothing and may go.
    QList<int> chunks;
    for (const Chunk &chunk : kChunks)
        chunks << chunk.row.field.column;
    if (!tickedRowsFilled("Some checked field is empty", chunks))
        return false;
    for (const Chunk &chunk : kChunks)
        if (!tickedHexAccepted(chunk.row.field.column, ChunkDigits, chunk.invalid))
            return false;
    return true;
}

bool TCPUUserMaskRuleForm::addAccepted()
{
    return keysGiven()
           && newRuleAccepted(
               "Has already a record with the same Profile Rule ID and Access ID. Please change eithor of them.")
           && chunksAccepted();
}

bool TCPUUserMaskRuleForm::editAccepted()
{
    // An edited chunk is checked as a new one is.
    return keysGiven() && chunksAccepted();
}

QList<int> TCPUUserMaskRuleForm::addExclusions()
{
    QList<int> out = notTicked();
    const QList<QCheckBox *> ports = portPicker()->checkBoxes();
    if (std::none_of(ports.begin(), ports.end(), [](const QCheckBox *port) { return port->isChecked(); }))
        out << Column::Ports;
    return out;
}

QList<int> TCPUUserMaskRuleForm::editExclusions()
{
    // The port list goes as shown: unticking every port clears the rule's ports.
    return notTicked();
}
