#pragma once

#include "dialogs/security/TAclEthernetRuleForm.h"

// "Ethernet Rule (CPU Filter)": the rules under the CPU filter's Ethernet
// masks (profiles 1 to 3, access IDs 0 to 5), edited in place.
class TCPUEthernetInformationRuleForm final : public TAclEthernetRuleForm
{
    Q_OBJECT

public:
    explicit TCPUEthernetInformationRuleForm(QWidget *parent);
};
