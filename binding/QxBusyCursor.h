#pragma once

#include <QObject>
#include <QTimer>

class QxSNMPEventPump;

// The wait cursor over the program's windows while it waits for an agent
// longer than a moment. The windows keep painting and user input is held back
// meanwhile (QxEventWait); the cursor tells the user why nothing reacts yet.
class QxBusyCursor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxBusyCursor)
public:
    // Short waits (a reply on the local network) show nothing.
    static constexpr int ShowAfterMs = 150;

    explicit QxBusyCursor(QxSNMPEventPump &pump, QObject *parent = nullptr);
    ~QxBusyCursor() override;

    bool shown() const { return m_shown; }

private:
    void waitingChanged(bool waiting);
    void show();
    void hide();

    QTimer m_delay;
    bool m_shown = false;
};
