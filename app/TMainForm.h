#pragma once

#include "app/MenuBuilder.h"
#include "app/core/LaunchTexts.h"
#include "app/core/ModuleStartup.h"
#include "dialogs/dedicated/TMainWindowLink.h"

#include <QMainWindow>
#include <memory>

class CommandDispatcher;
class ConfigurationSave;
class QAction;
class QPushButton;
class QLabel;
class QMenu;
class QScrollArea;
class JournalRecorder;
class QxBusyCursor;
class QxSNMPRequest2Edits;
class RegistryStore;
class TCommandSearchBox;
class TPanelNX2400PForm;
class QxSNMPRequest;
class RequestWalk;
class UnsavedChanges;
struct QxSNMPWrite;

// The module's only top-level window: the switch's front panel in a scroll box,
// a one-panel status bar and the command menu. Its construction runs the whole
// start-up from the launch parameters.
class TMainForm : public QMainWindow, public TMainWindowLink
{
    Q_OBJECT
public:
    // What the style may keep of drawn controls in this process.
    static constexpr int PixmapCacheKiB = 2048;

    // Raises the session's and the integer conversions' errors; the program entry
    // shows them and ends.
    TMainForm(const QStringList &parameters, const RegistryStore &registry, QWidget *parent = nullptr,
              const QString &bootCounterDirectory = QString(), const ModuleStartup::Overrides &overrides = {});
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
    // A menu item by its path of captions as the menu shows them, joined with
    // " > " (mnemonics aside), or null.
    QAction *menuAction(const QString &path) const;
    QScrollArea *scrollBox() const { return ScrollBox1; }
    const MenuBuilder &menus() const { return m_menus; }
    // Runs and opens the menu's commands.
    CommandDispatcher &dispatcher() const { return *m_dispatcher; }

    // Reads the switch's RMON state again and enables the RMON viewers when it
    // is "enabled", disables them when "disabled". Errors go to the status bar.
    void updateRmonMenu();
    // Reads the spanning-tree version again; errors go to the status bar.
    void refreshStpVersion();
    QString rmonStateText() const;
    QString stpVersionText() const override;
    // What the spanning-tree dialog wrote; the next read replaces it.
    void setStpVersionText(const QString &version) override;
    // The embedded front panel, once the window has been shown.
    TPanelNX2400PForm *frontPanel() const { return m_frontPanel.get(); }

    // Saves the switch's configuration ("Save Configuration", Ctrl+S); the
    // outcome goes to the status bar.
    void saveConfiguration();
    // A write went through since the configuration was last saved.
    bool hasUnsavedChanges() const;

    static constexpr const char *UnsavedText = "Unsaved changes";

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    // The save action beside "Save Changes", and its button in the status bar.
    void buildSave();
    // The most used commands' shortcut keys, then every item's mnemonic.
    void finishMenus();
    void showUnsaved(bool unsaved);
    // "* sysName – address (model)": the unsaved mark and what names the switch.
    void updateTitle();
    // sysName and the model, read once the window shows; the title waits for them.
    void readSwitchName();
    // "Changes": the switch's journal in a window of its own.
    void showChanges();
public:
    // "Compare with Snapshot…" on a snapshot file (the menu asks for one).
    void compareWithSnapshot(const QString &fileName);
    // A port's "Port settings…": the port control table with the port's row selected.
    void openPortSettings(int port);
    // "Port Status" and "VLAN Matrix", windows of their own beside this one
    // (opened again, they are raised); the matrix shows the port's column first.
    QWidget *openPortStatus();
    QWidget *openVlanMatrix(int port = 0);
    // The search field over the menu's commands.
    TCommandSearchBox *searchBox() const { return m_search; }
private:
    // With "Preview writes" on: the write's captions, values before and after,
    // and whether to send it.
    bool previewAccepted(const QxSNMPWrite &write);
    // Asked before the exit question while changes are unsaved: false keeps
    // the window open (Cancel, or a save that is under way or failed).
    bool unsavedChangesLetGo();
    void embedFrontPanel();
    void bindHiddenStates();
    void refreshHidden(QxSNMPRequest2Edits *controller);

    LaunchTexts m_launchTexts;
    QString m_moduleFolder;
    QString m_commandTitle;
    bool m_startupEnded = false;
    bool m_activated = false;
    MenuBuilder m_menus;
    std::unique_ptr<CommandDispatcher> m_dispatcher;
    std::unique_ptr<QxSNMPRequest2Edits> m_rmonStateRequest;
    std::unique_ptr<QxSNMPRequest2Edits> m_stpVersionRequest;
    // Destroyed before the window's children, so that its close sequence can
    // still wait for its outstanding requests.
    std::unique_ptr<TPanelNX2400PForm> m_frontPanel;
    QString m_sysName;
    QString m_model;
    bool m_unsavedShown = false;
    std::unique_ptr<QxSNMPRequest> m_nameRequest;
    std::unique_ptr<RequestWalk> m_nameRead;
    // The wait cursor while a window waits for the switch.
    std::unique_ptr<QxBusyCursor> m_busyCursor;
    // Every write goes into the switch's change journal.
    std::unique_ptr<JournalRecorder> m_journal;
    std::unique_ptr<UnsavedChanges> m_unsaved;
    std::unique_ptr<ConfigurationSave> m_save;
    // The window closes once the save asked for on exit went through.
    bool m_closeAfterSave = false;

    QMenu *VACM1 = nullptr; // "SNMP V3"
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *StatusPanel = nullptr;
    QLabel *ST_RmonState = nullptr;
    QLabel *ST_Version = nullptr;
    QLabel *ST_StackNum = nullptr;
    QLabel *ST_Unsaved = nullptr;
    QPushButton *btnSave = nullptr;
    QAction *actSave = nullptr;
    QAction *actChanges = nullptr;
    QAction *actCompareSnapshot = nullptr;
    TCommandSearchBox *m_search = nullptr;
    QAction *actPortStatus = nullptr;
    QAction *actVlanMatrix = nullptr;
    QAction *actPreview = nullptr;
};
