#pragma once

#include "dialogs/security/TAclIpRuleForm.h"

// "IP Rule": the rules under the access lists' IP masks.
class TIPRuleForm final : public TAclIpRuleForm
{
    Q_OBJECT

public:
    explicit TIPRuleForm(QWidget *parent);
};
