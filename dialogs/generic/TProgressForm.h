#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

// A small modal dialog that counts time while the switch carries out a slow
// operation (a test mail, spanning tree coming up). It does not watch the
// operation: it closes itself after a fixed number of one-second ticks.
class TProgressForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int BarMaximum = 76;
    static constexpr int DefaultTickLimit = 30;

    // The dialog is a child window of the calling dialog while it is open.
    explicit TProgressForm(QWidget *callingDialog);
    ~TProgressForm() override;

    void setPrompt(const QString &prompt);
    QString prompt() const;
    int position() const;
    int tickLimit() const { return m_tickLimit; }

    // One timer tick; the timer calls it every second.
    void tick();

protected:
    void setTickLimit(int limit) { m_tickLimit = limit; }
    void done(int result) override;

private:
    QLabel *LB_Prompt = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QTimer ProgressTimer;
    int m_tickLimit = DefaultTickLimit;
};
