#pragma once

#include <functional>

// Waiting for replies on the GUI thread: the event pump and the sockets deliver
// replies only while events are processed, so a wait is a loop of short event
// loops. User input is held back meanwhile, so nothing the user does runs
// half-way through someone else's wait.
class QxEventWait final
{
public:
    // Lets replies and other non-input events in, 10 ms at a time, while the
    // condition holds, for at most ms; returns whether it still holds.
    static bool whileHolds(const std::function<bool()> &condition, int ms);
};
