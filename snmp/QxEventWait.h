#pragma once

#include <functional>

// Waiting on the GUI thread without freezing it: the event pump and the
// sockets deliver replies only while events are processed, so a wait is a
// loop of short event loops. Paints, timers and replies go on meanwhile; user
// input is held back (not lost: it is delivered once the wait is over), so
// nothing the user does runs half-way through someone else's wait. The one
// mechanism for every wait of the program: a synchronous exchange, a request
// or controller waiting for its replies, a dialog waiting to be ready.
class QxEventWait final
{
public:
    // Lets replies and other non-input events in while the condition holds,
    // for at most ms; returns whether it still holds.
    static bool whileHolds(const std::function<bool()> &condition, int ms);
    // How many waits are running now, one inside the other: a handler that
    // finds more than when its own operation began was called from inside a wait.
    static int depth();
};
