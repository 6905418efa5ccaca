#pragma once

#include "dialogs/security/TAclTableForm.h"

// "Packet Content Rule": the rules under the access lists' packet-content
// masks. A rule matches up to five words of frame data, each at an offset;
// the words' masks are the mask's and are shown only.
class TUserDefinedInformationRuleForm final : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TUserDefinedInformationRuleForm(QWidget *parent);

protected:
    bool addAccepted() override;
    QList<int> addExclusions() override { return notTicked(); }
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;
};
