#pragma once

#include <QString>

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

// The number a check takes from a typed text: a text that is no number
// counts as -1, so it fails every range that starts at 0 or above.
inline int checkedNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

inline bool outsideRange(const QString &text, int first, int last)
{
    const int value = checkedNumber(text);
    return value < first || value > last;
}
