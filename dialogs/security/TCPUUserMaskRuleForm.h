#pragma once

#include "dialogs/security/TAclTableForm.h"

// "Packet Content Rule (CPU Filter)": the rules under the CPU filter's
// packet-content masks (profiles 1 to 3, access IDs 0 to 5), edited in
// place. A rule holds the frame data itself, in five chunks of sixteen
// octets; it is written with ports only when some are ticked.
class TCPUUserMaskRuleForm final : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TCPUUserMaskRuleForm(QWidget *parent);

protected:
    bool addAccepted() override;
    // A new rule without a port ticked is created without a port list.
    QList<int> addExclusions() override;
    bool editAccepted() override;
    QList<int> editExclusions() override;

private:
    bool keysGiven();
    // A ticked chunk is hexadecimal digits only.
    bool chunksAccepted();
};
