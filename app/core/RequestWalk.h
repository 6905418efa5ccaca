#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QxSNMPRequest;
class QxSNMPVarList;
struct QxSNMPError;

// Reads a request's list without blocking: a group of scalars (or one row)
// with one exchange, a table row by row to its end. `done` runs from the event
// loop, after the request's last completion, so that its owner may drop the
// walk and the request there.
class RequestWalk final
{
public:
    using Row = std::function<void(QxSNMPVarList &list)>;
    // code 0: read to the end; else the program code and its text.
    using Done = std::function<void(int code, const QString &text)>;

    explicit RequestWalk(QxSNMPRequest &request) : m_request(request) {}
    RequestWalk(const RequestWalk &) = delete;
    RequestWalk &operator=(const RequestWalk &) = delete;

    void start(Row row, Done done);

private:
    void read(bool first);
    void answered(const QxSNMPError &error, QxSNMPVarList &list);
    void end(int code, const QString &text);

    QxSNMPRequest &m_request;
    Row m_row;
    Done m_done;
    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
};
