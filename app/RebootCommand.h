#pragma once

class QWidget;

// "Reboot": after the user confirms, one write of the switch's reboot object.
// The switch may go down before it answers, so every error of the write is
// swallowed; the main window stays as it is.
class RebootCommand
{
public:
    static constexpr int TimeoutCentiseconds = 500;

    // Returns whether the write was sent (the user answered Yes).
    static bool run(QWidget *owner);
    // The write itself, without the question.
    static void send();
};
