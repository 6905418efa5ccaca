#pragma once

#include "app/DriverAction.h"

#include <QList>
#include <QString>
#include <cstdio>

class TMainForm;

// nx2400p-dialog --panel: the main window opened as the module opens it,
// its first LED poll and port-state poll awaited, then the actions (a port
// menu's item with portmenu:N=ITEM, answer:yes|no for its confirmations,
// wait:SECONDS), and what the panel shows: "connection: answering" (or "not
// answering since HH:MM:SS") and one line per port with its socket's state.
class DriverPanel final
{
public:
    DriverPanel(TMainForm &mainForm, QList<DriverAction> actions, std::FILE *out);

    // The exit status: 0, or 1 when an action could not be carried out.
    int run(const QString &grabFile);

private:
    bool act(const DriverAction &action);
    void print() const;

    TMainForm &m_mainForm;
    QList<DriverAction> m_actions;
    std::FILE *m_out;
    bool m_answerYes = true;
};
