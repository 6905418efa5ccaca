#include "dialogs/security/TPacketMaskForm.h"

#include "snmp/QxHexText.h"
#include "tables/AclDialogTables.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

namespace Column = AclDialogTables::PacketColumn;

struct Chunk
{
    DedicatedField field;
    const char *invalid; // the message for a chunk that is no hex
};
constexpr Chunk kChunks[AclDialogTables::packetChunks] = {
    {{Column::Chunk1, "Edit5", "Filtered Port(s) [0 to 15]", DedicatedField::Edit, "%s{l32}"},
     "Filtered Port(s) [0 to 15] can not contain invalid character(s)."},
    {{Column::Chunk2, "Edit3", "Filtered Port(s) [16 to 31]", DedicatedField::Edit, "%s{l32}"},
     "Filtered Port(s) [16 to 31] can not contain invalid character(s)."},
    {{Column::Chunk3, "Edit4", "Filtered Port(s) [32 to 47]", DedicatedField::Edit, "%s{l32}"},
     "Filtered Port(s) [32 to 47] can not contain invalid character(s)."},
    {{Column::Chunk4, "Edit6", "Filtered Port(s) [48 to 63]", DedicatedField::Edit, "%s{l32}"},
     "Filtered Port(s) [48 to 63] can not contain invalid character(s)."},
    {{Column::Chunk5, "Edit7", "Filtered Port(s) [64 to 79]", DedicatedField::Edit, "%s{l32}"},
     "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
};
constexpr DedicatedField kFields[] = {
    {Column::Id, "Edit1", "Mask Entry ID", DedicatedField::Edit, "%i{n1x256l3}"},
    kChunks[0].field,
    kChunks[1].field,
    kChunks[2].field,
    kChunks[3].field,
    kChunks[4].field,
    {Column::RowStatus, "ComboBox1", "Mask Row Status", DedicatedField::DropDown},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {{"ComboBox1", "createAndGo"}};
// Sixteen octets.
constexpr int ChunkDigits = 32;

} // namespace

TPacketMaskForm::TPacketMaskForm(QWidget *parent, const char *caption, const QxDescriptorTable &table,
                                 const char *idFormat)
    : TAclTableForm(parent, {.caption = caption,
                            .table = &table,
                            .fields = kFields,
                            .idFormat = idFormat,
                            .rowStatusColumn = Column::RowStatus,
                            .refreshButton = "GetButton",
                            .addButton = "AddButton",
                            .deleteButton = "DeleteButton",
                            .defaults = kDefaults,
                            .countText = "Static",
                            .countHidden = true})
{
}

bool TPacketMaskForm::addAccepted()
{
    if (!passes({
            {[this] { return idEdit()->text().isEmpty(); }, "Payload Entry ID must be set.", idEdit()},
            {[this] { return keysListed(); }, "Payload Entry ID must be different.", idEdit()},
            {[this] { return rowStatus()->currentIndex() != AclDialogTables::rowCreateAndGo; },
             "Row State must be createAndGo.", rowStatus()},
        }))
        return false;
    // A chunk is hexadecimal digits only: the value conversion would take any
    // other character for 0.
    for (const Chunk &chunk : kChunks) {
        QLineEdit *text = edit(chunk.field.objectName);
        if (!passes({{[text] { return text->text().size() > ChunkDigits || !QxHexText::isDigits(text->text()); },
                      chunk.invalid, text}}))
            return false;
    }
    for (const Chunk &chunk : kChunks)
        edit(chunk.field.objectName)->setText(edit(chunk.field.objectName)->text().toUpper());
    return true;
}

QList<int> TPacketMaskForm::addExclusions()
{
    QList<int> out;
    for (const Chunk &chunk : kChunks)
        if (edit(chunk.field.objectName)->text().isEmpty())
            out << chunk.field.column;
    return out;
}
