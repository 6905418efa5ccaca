#pragma once

#include "dialogs/security/TAclEthernetRuleForm.h"

// "Ethernet Rule": the rules under the access lists' Ethernet masks.
class TEthernetInformationRuleForm final : public TAclEthernetRuleForm
{
    Q_OBJECT

public:
    explicit TEthernetInformationRuleForm(QWidget *parent);
};
