#pragma once

#include "app/LaunchTexts.h"

#include <QMainWindow>

class QLabel;
class QMenu;
class QScrollArea;
class RegistryStore;

// The module's only top-level window: the switch's front panel in a scroll box,
// a one-panel status bar and the command menu. Its construction runs the whole
// start-up from the launch parameters.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // Raises the session's and the integer conversions' errors; the program entry
    // shows them and ends.
    TMainForm(const QStringList &parameters, const RegistryStore &registry, QWidget *parent = nullptr,
              const QString &bootCounterDirectory = QString());
    ~TMainForm() override;

    // True when start-up asked the application to end (no parameters).
    bool startupEnded() const { return m_startupEnded; }

    const LaunchTexts &launchTexts() const { return m_launchTexts; }
    const QString &moduleFolder() const { return m_moduleFolder; }
    const QString &commandTitle() const { return m_commandTitle; }
    void setCommandTitle(const QString &title) { m_commandTitle = title; }

    // The first (and only) status-bar panel.
    void setStatusText(const QString &text);
    QString statusText() const;

    QMenu *topMenu(const QString &caption) const;
    QScrollArea *scrollBox() const { return ScrollBox1; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();

    LaunchTexts m_launchTexts;
    QString m_moduleFolder;
    QString m_commandTitle;
    bool m_startupEnded = false;

    QMenu *VACM1 = nullptr; // "SNMP V3"
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *StatusPanel = nullptr;
    QLabel *ST_RmonState = nullptr;
    QLabel *ST_Version = nullptr;
    QLabel *ST_StackNum = nullptr;
};
