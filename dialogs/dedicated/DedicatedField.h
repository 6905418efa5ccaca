#pragma once

// One entry of a dedicated dialog's field list: a column of a binding's
// variable list, the control that shows it (with the object name the dialog's
// description gives it), the label before it and, for edits, the input format.
// A dialog's fields are constant data:
//
//   constexpr DedicatedField kFields[] = {
//       {Column::VlanId, "ED_VLANID", "VLAN ID", DedicatedField::Edit, "%i{n1x4094l4}"},
//       {Column::RowStatus, "Status", "Status", DedicatedField::DropDown},
//   };
struct DedicatedField
{
    enum Kind : unsigned char {
        Edit,         // a line edit with the input format
        ReadOnlyEdit, // an edit that shows the value only
        HiddenEdit,   // an edit the dialog keeps for itself (a key it fills in)
        DropDown,     // a drop-down list of the column's option texts
        Text,         // a static text in a sunken frame
        HiddenText,   // a static text that is not shown (a value the dialog keeps)
        CheckBox,     // one check box: unticked is the first option, ticked the second
    };

    int column;
    const char *objectName;
    const char *caption = nullptr; // the label before the control; null for none
    Kind kind = Edit;
    const char *format = "%s"; // Edit, ReadOnlyEdit and HiddenEdit only
};

// A field with a check box before its control (a check-and-set row): the box
// decides whether the column is written. Without a box it is a plain field.
struct DedicatedCheckedField
{
    DedicatedField field;
    const char *box = nullptr;
};
