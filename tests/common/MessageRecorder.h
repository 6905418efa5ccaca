#pragma once

#include "dialogs/generic/TDialogMessages.h"

#include <QStringList>

// Answers a dialog's message boxes without a modal loop and keeps what they
// said, so a test can check which boxes came and in what order.
class MessageRecorder
{
public:
    // Every box as it was raised: "text" for inform, "caption|text" for warn,
    // confirm and ask.
    QStringList shown;
    // What confirm and ask boxes answer (true = Yes or OK).
    bool answer = true;
    // Boxes that record into `shown` instead of showing.
    TDialogMessages messages();
    // Only the texts of the boxes, without captions.
    QStringList texts() const;
};
