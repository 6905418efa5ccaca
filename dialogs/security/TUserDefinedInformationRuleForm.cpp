#include "dialogs/security/TUserDefinedInformationRuleForm.h"

#include "tables/AclRuleTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

namespace Column = AclRuleTables::PacketRuleColumn;
constexpr auto E = DedicatedField::Edit;
constexpr auto L = DedicatedField::DropDown;

constexpr DedicatedCheckedField kRows[] = {
    {{Column::Profile, "ProfileIDEdit", "Profile ID", E, "%i{n1x256l3}"}},
    {{Column::Access, "AccessIDEdit", "Access ID", E, "%i{n0x65535l5}"}},
    {{Column::Offset1, "OffsetIndex1Edit", "Offset Index1", E, "%i{n0x76}"}, "cbxOffsetIndex1First"},
    {{Column::Mask1, "OffsetMask1Edit", "Mask1", E, "%s{l32}"}},
    {{Column::Data1, "OffsetData1Edit", "Data1", E, "%s{l8}"}, "cbxData1"},
    {{Column::Offset2, "OffsetIndex2Edit", "Offset Index2", E, "%i{n0x76}"}, "cbxOffsetIndex2"},
    {{Column::Mask2, "Mask2Edit", "Mask2", E, "%s{l32}"}},
    {{Column::Data2, "Data2Edit", "Data2", E, "%s{l8}"}, "cbxData2"},
    {{Column::Offset3, "OffsetIndex3Edit", "Offset Index3", E, "%i{n0x76}"}, "cbxOffsetIndex3"},
    {{Column::Mask3, "Mask3Edit", "Mask3", E, "%s{l32}"}},
    {{Column::Data3, "Data3Edit", "Data3", E, "%s{l8}"}, "cbxData3"},
    {{Column::Offset4, "OffsetIndex4Edit", "Offset Index4", E, "%i{n0x76}"}, "cbxOffsetIndex4"},
    {{Column::Mask4, "Mask4Edit", "Mask4", E, "%s{l32}"}},
    {{Column::Data4, "Data4Edit", "Data4", E, "%s{l8}"}, "cbxData4"},
    {{Column::Offset5, "OffsetIndex5Edit", "Offset Index5", E, "%i{n0x76}"}, "cbxOffsetIndex5"},
    {{Column::Mask5, "Mask5Edit", "Mask5", E, "%s{l32}"}},
    {{Column::Data5, "Data5Edit", "Data5", E, "%s{l8}"}, "cbxData5"},
    {{Column::EnablePriority, "EnablePriorityComboBox", "Enable Priority", L}, "cbxEnablePriority"},
    {{Column::Priority, "PriorityEdit", "Priority", E, "%i{n0x7}"}, "cbxPriority"},
    {{Column::ReplacePriority, "ReplPriyComboBox", "Replace Priority", L}, "cbxReplace"},
    {{Column::RxRate, "RXRateEdit", "RX Rate", E, "%i{n64x1024000}"}, "cbxRXRate"},
    {{Column::Permit, "PermitComboBox", "Permit", L}, "cbxPermit"},
    {{Column::RowStatus, "RowComboBox", "Row Status", L}, "cbxRow"},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {{"RowComboBox", "createAndGo"}};
// Data of up to four octets: the edit takes eight digits, the check lets fewer than ten pass.
constexpr int MaxDataDigits = 9;

} // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget *parent)
    : TAclTableForm(parent, [] {
          Spec spec = ruleSpec("Packet Content Rule", AclRuleTables::packetRule, kRows, Column::RowStatus,
                               Column::Ports, nullptr, kDefaults);
          // Each word's offset, mask and data on a line.
          spec.fieldsPerLine = Column::columnsPerWord;
          return spec;
      }())
{
}

bool TUserDefinedInformationRuleForm::addAccepted()
{
    if (!passes({
            {[this] { return idEdit()->text().isEmpty(); }, "Profile ID must be set."},
            {[this] { return keyEdit(1)->text().isEmpty(); }, "Access ID must be set."},
            {[this] { return keysListed(); },
             "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
             idEdit()},
            // Without the row box the rule goes without a row status.
            {[this] {
                 return ticked(Column::RowStatus) && rowStatus()->currentIndex() != AclDialogTables::rowCreateAndGo;
             },
             "Row State must be createAndGo.", rowStatus()},
        }))
        return false;
    // An empty list or offset would go as a value the switch refuses; empty
    // data matches nothing and may go.
    if (!tickedRowsFilled("Some checked field is empty",
                          {Column::Data1, Column::Data2, Column::Data3, Column::Data4, Column::Data5}))
        return false;
    for (int word = 0; word < Column::words; ++word)
        if (!tickedHexAccepted(Column::Data1 + word * Column::columnsPerWord, MaxDataDigits,
                               "Packet(s) Offset can not contain invalid character(s)."))
            return false;
    return true;
}

void TUserDefinedInformationRuleForm::rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row)
{
    TAclTableForm::rowSelected(binding, row);
    // A listed rule's masks are its mask's.
    editOf(Column::Mask1)->setReadOnly(row);
    for (int word = 1; word < Column::words; ++word)
        editOf(Column::Mask1 + word * Column::columnsPerWord)->setEnabled(!row);
    // A rule that denies sets no priority.
    const bool denies = row && listOf(Column::Permit)->currentIndex() == AclRuleTables::Permit::Deny;
    for (QWidget *priority : std::initializer_list<QWidget *>{editOf(Column::Priority),
                                                              listOf(Column::ReplacePriority), boxOf(Column::Priority),
                                                              boxOf(Column::ReplacePriority)})
        priority->setEnabled(!denies);
}
