#pragma once

#include "snmp/QxSNMPValue.h"

#include <QList>
#include <QString>
#include <optional>

// One SET as the module sends it, binding by binding, and what became of it.
// Every write passes QxSNMPRequest::write, which fills this record in and
// hands it to the session's write listener (the change journal listens there)
// and to the writer.
struct QxSNMPWrite
{
    struct Binding
    {
        int position = -1;             // in the request's variable list
        QString instance;              // the OID written
        QString caption;
        std::optional<QString> before; // the value text last read at that instance, if one was
        QString sent;                  // the value text sent
        bool secret = false;           // a key, password or community (never recorded)
        // The values as they go on the wire: what was sent, and what the value
        // last read there would be (so that it can be written back).
        QxSNMPValue sentValue;
        std::optional<QxSNMPValue> beforeValue;
    };

    QList<Binding> bindings;
    // A write that destroys a row: the row's other writable cells as last
    // read (caption, value text and value), so that the row can be made again.
    QList<Binding> rowBefore;
    // The command the write belongs to (the session's, when it was sent).
    QString command;
    QString agentAddress;
    quint16 agentPort = 0;
    // The outcome: the program code (0 went through), its catalogue text, and
    // the binding the agent refused (-1: none named).
    int code = 0;
    QString text;
    int errorIndex = 0; // as the reply gave it
    int refused = -1;

    bool wentThrough() const { return code == 0; }

    // A write the user's preview kept back: nothing was sent.
    static constexpr int NotSentCode = -950;
    static constexpr const char *NotSentText = "Not sent: the preview was cancelled";
    // The outcome's text, naming the variable the agent refused when it named
    // one: "(SNMP) Cannot modify variable: Bad Value! (Telnet Port)".
    QString message() const
    {
        if (refused < 0 || refused >= bindings.size() || bindings.at(refused).caption.isEmpty())
            return text;
        return text + QStringLiteral(" (") + bindings.at(refused).caption + QLatin1Char(')');
    }
    // The refused binding's variable position, or -1.
    int refusedPosition() const { return refused >= 0 && refused < bindings.size() ? bindings.at(refused).position : -1; }
};
