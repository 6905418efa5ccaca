#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <memory>

struct QxSNMPWrite;

// Puts every write the process sends into its switch's journal. It listens on
// the session's write listener; the append itself runs on a thread of its own,
// one at a time in the order the writes ended, so a slow disk or a held lock
// never delays a SET or the user interface. A journal that cannot be
// written is told once through the failure callback, on the thread that
// created the recorder.
class JournalRecorder final
{
public:
    using Failure = std::function<void(const QString &text)>;

    JournalRecorder(QString program, QString folder, Failure failed = {});
    ~JournalRecorder();
    JournalRecorder(const JournalRecorder &) = delete;
    JournalRecorder &operator=(const JournalRecorder &) = delete;

    // Hands the session's writes to this recorder (and stops on destruction).
    void listen();
    void record(const QxSNMPWrite &write);
    // Returns once every write handed in is in the journal (or has failed).
    void waitForDone();

    static constexpr const char *FailureText = "The change journal cannot be written: ";

private:
    QString m_program;
    QString m_folder;
    QString m_user;
    Failure m_failed;
    // The failure notice runs in this object's thread, and not once it is gone.
    std::unique_ptr<QObject> m_notices = std::make_unique<QObject>();
    QThreadPool m_pool;
    bool m_failureTold = false;
    int m_listener = 0;
};
