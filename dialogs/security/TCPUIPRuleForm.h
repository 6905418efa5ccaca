#pragma once

#include "dialogs/security/TAclIpRuleForm.h"

// "IP Rule (CPU Filter)": the rules under the CPU filter's IP masks
// (profiles 1 to 3, access IDs 0 to 5), edited in place.
class TCPUIPRuleForm final : public TAclIpRuleForm
{
    Q_OBJECT

public:
    explicit TCPUIPRuleForm(QWidget *parent);
};
