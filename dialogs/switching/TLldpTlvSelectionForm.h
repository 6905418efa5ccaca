#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

#include <array>

class QLineEdit;

// The TLV selection window of an LLDP port-configuration dialog: one check box
// per TLV name. It shows the names the dialog's TLV edit holds; "Set Checked"
// writes the names ticked back into that edit. Nothing goes to the switch
// until the dialog's Edit.
class TLldpTlvSelectionForm : public TDedicatedForm
{
    Q_OBJECT

public:
    using Names = std::array<const char *, 8>;

    QList<QCheckBox *> boxes() const { return m_boxes; }
    void setChecked();

protected:
    TLldpTlvSelectionForm(QWidget *parent, const char *caption, const Names &names, QLineEdit *tlvs);
    void showEvent(QShowEvent *event) override;

private:
    void uncheckAll();

    const Names &m_names;
    QLineEdit *m_tlvs;
    QList<QCheckBox *> m_boxes;
};
