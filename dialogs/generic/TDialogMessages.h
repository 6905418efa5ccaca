#pragma once

#include <QString>
#include <functional>

class QWidget;

// The message boxes of the generic dialogs. Each box is a replaceable callable,
// so a test (or an embedding program) can answer them without a modal loop.
struct TDialogMessages
{
    // An information box with OK, captioned with the program's file name.
    std::function<void(QWidget *owner, const QString &text)> inform;
    // A warning box with OK and the given caption.
    std::function<void(QWidget *owner, const QString &caption, const QString &text)> warn;
    // A question with Yes and No; true only for Yes.
    std::function<bool(QWidget *owner, const QString &caption, const QString &text)> confirm;
    // A question with OK and Cancel; true only for OK.
    std::function<bool(QWidget *owner, const QString &caption, const QString &text)> ask;

    // Real message boxes.
    static TDialogMessages standard();
    // Fills every callable that is not set with its standard box.
    TDialogMessages completed() const;
};
