#pragma once

#include <functional>

class QWidget;

// One input check of a dialog, in the order its description gives them: when
// `fails` holds, the message is shown, the focus goes to `focus` (when that
// control is visible and enabled) and no later check runs and nothing is sent.
struct InputCheck
{
    std::function<bool()> fails;
    const char *message;
    QWidget *focus = nullptr;
};
