#include "app/TMainForm.h"

#include "app/CommandDispatcher.h"
#include "app/MenuMnemonics.h"
#include "app/TChangesForm.h"
#include "app/TCommandSearchBox.h"
#include "app/TSnapshotCompareForm.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliSnapshotCommands.h"
#include "app/core/ChangeJournal.h"
#include "app/core/ConfigurationSave.h"
#include "app/core/ModuleSettings.h"
#include "app/core/JournalRecorder.h"
#include "app/core/ModuleStartup.h"
#include "app/core/RegistryStore.h"
#include "app/core/RequestWalk.h"
#include "app/core/UnsavedChanges.h"
#include "binding/QxBusyCursor.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "device/TPanelNX2400PForm.h"
#include "device/TPortStatusForm.h"
#include "device/TVlanMatrixForm.h"
#include "snmp/QxSNMPEventPump.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "tables/CommandCatalogue.h"
#include "tables/MainWindowObjects.h"
#include "tables/MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QScrollArea>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace {

// The menu's commands by path, made once: the search field and "Port settings…" look in it.
const CliCommandFinder &CommandFinder()
{
    static const CliCommandFinder finder;
    return finder;
}

// The command a port's "Port settings…" opens.
constexpr char PortSettingsCommand[] = "Layer 2 Management > Port Management > Port Control Table";

// The RMON viewers follow the switch's RMON state.
const char *const kRmonItems[] = {"RMON > Statistics", "RMON > History", "RMON > Alarm/Event"};

} // namespace

TMainForm::TMainForm(const QStringList &parameters, const RegistryStore &registry, QWidget *parent,
                     const QString &bootCounterDirectory, const ModuleStartup::Overrides &overrides)
    : QMainWindow(parent)
{
    const ModuleStartup::Result startup = ModuleStartup::run(parameters, registry, bootCounterDirectory, overrides);
    m_launchTexts = startup.launch.texts;
    m_moduleFolder = startup.moduleFolder;
    // The host runs one module per switch: the style's cache of drawn controls
    // stays small in each (Qt's default of 10 MiB fills up as dialogs of every
    // size open, and is given back to no one).
    QPixmapCache::setCacheLimit(PixmapCacheKiB);
    if (QxSNMPEventPump *pump = SnmpEventProcessor())
        m_busyCursor = std::make_unique<QxBusyCursor>(*pump);

    buildControls();
    buildMenus();
    m_journal = std::make_unique<JournalRecorder>(QCoreApplication::applicationName(), ChangeJournal::defaultFolder(),
                                                  [this](const QString &text) { setStatusText(text); });
    m_journal->listen();
    buildSave();
    finishMenus();

    if (startup.noParameters) {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(), QStringLiteral("No parameter input"));
        m_startupEnded = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    VACM1->setEnabled(defaultSecurity.version == QxSNMPSecurity::V3);
    showUnsaved(false);
    if (!m_startupEnded)
        bindHiddenStates();
}

TMainForm::~TMainForm()
{
    if (QxSNMPSession *session = globalSession())
        session->setWriteGate({});
    // The dialogs still open go while the window they lean on is whole.
    m_dispatcher->windows().destroyAll();
    // The panel's close sequence first: it stops its polls and waits for
    // their replies while the window is still whole.
    if (m_frontPanel)
        m_frontPanel->close();
    m_frontPanel.reset();
}

void TMainForm::bindHiddenStates()
{
    m_rmonStateRequest = std::make_unique<QxSNMPRequest2Edits>(this);
    m_rmonStateRequest->varList() = QxSNMPVarList(MainWindowObjects::rmonState, SVT_SV, 0);
    m_rmonStateRequest->setAsynchronous(false);
    m_rmonStateRequest->bindControl(0, ST_RmonState);

    m_stpVersionRequest = std::make_unique<QxSNMPRequest2Edits>(this);
    m_stpVersionRequest->varList() = QxSNMPVarList(MainWindowObjects::stpVersion, SVT_SV, 0);
    m_stpVersionRequest->setAsynchronous(false);
    m_stpVersionRequest->bindControl(0, ST_Version);

    refreshHidden(m_rmonStateRequest.get());
    refreshHidden(m_stpVersionRequest.get());
}

void TMainForm::refreshHidden(QxSNMPRequest2Edits *controller)
{
    if (!controller)
        return;
    try {
        controller->refresh();
    } catch (const QxSNMPException &e) {
        setStatusText(e.text());
    }
}

void TMainForm::updateRmonMenu()
{
    refreshHidden(m_rmonStateRequest.get());
    const QString state = ST_RmonState->text();
    if (state != QLatin1String("disabled") && state != QLatin1String("enabled"))
        return;
    for (const char *path : kRmonItems) {
        if (QAction *action = m_menus.actionByPath(QString::fromLatin1(path)))
            action->setEnabled(state == QLatin1String("enabled"));
    }
}

void TMainForm::refreshStpVersion()
{
    refreshHidden(m_stpVersionRequest.get());
}

QString TMainForm::rmonStateText() const
{
    return ST_RmonState->text();
}

QString TMainForm::stpVersionText() const
{
    return ST_Version->text();
}

void TMainForm::setStpVersionText(const QString &version)
{
    ST_Version->setText(version);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated || m_startupEnded)
        return;
    m_activated = true;
    embedFrontPanel();
    updateRmonMenu();
}

void TMainForm::embedFrontPanel()
{
    m_frontPanel = std::make_unique<TPanelNX2400PForm>(this, StatusPanel, 0);
    // The panel fills the window and scales with it.
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setWidget(m_frontPanel.get());
    ScrollBox1->setMinimumSize(m_frontPanel->minimumSizeHint());
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize panel = m_frontPanel->sizeHint();
    const int menuHeight = menuBar()->heightForWidth(panel.width()) > 0 ? menuBar()->heightForWidth(panel.width())
                                                                        : menuBar()->sizeHint().height();
    resize(panel.width(), panel.height() + statusBar()->sizeHint().height() + menuHeight);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    connect(m_frontPanel.get(), &TPanelNX2400PForm::portVlansRequested, this, [this](int port) { openVlanMatrix(port); });
    connect(m_frontPanel.get(), &TPanelNX2400PForm::portSettingsRequested, this,
            [this](int port) { openPortSettings(port); });
    connect(m_frontPanel.get(), &TPanelNX2400PForm::portStatusRequested, this, [this] { openPortStatus(); });
    connect(m_frontPanel.get(), &TPanelNX2400PForm::vlanMatrixRequested, this, [this] { openVlanMatrix(); });
    m_frontPanel->show();
    auto *slash = new QShortcut(QKeySequence(Qt::Key_Slash), m_frontPanel.get());
    slash->setContext(Qt::WidgetWithChildrenShortcut);
    connect(slash, &QShortcut::activated, m_search, [this] { m_search->setFocus(Qt::ShortcutFocusReason); });
    readSwitchName();
}

void TMainForm::readSwitchName()
{
    m_nameRequest = std::make_unique<QxSNMPRequest>();
    m_nameRequest->varList() = QxSNMPVarList(MainWindowObjects::switchName, SVT_SV, 0);
    m_nameRead = std::make_unique<RequestWalk>(*m_nameRequest);
    m_nameRead->start(
        [this](QxSNMPVarList &list) {
            m_sysName = list.item(MainWindowObjects::SwitchNameColumn::SysName).valueText.trimmed();
            m_model = list.item(MainWindowObjects::SwitchNameColumn::SysDescr).valueText.section(QLatin1Char(' '), 0, 0);
        },
        // A switch that does not say its name is named by its address.
        [this](int, const QString &) { updateTitle(); });
}

void TMainForm::updateTitle()
{
    QString title = m_launchTexts.address;
    if (!m_sysName.isEmpty())
        title = m_sysName + QStringLiteral(" \u2013 ") + title;
    if (!m_model.isEmpty())
        title += QStringLiteral(" (") + m_model + QLatin1Char(')');
    setWindowTitle(m_unsavedShown ? QStringLiteral("* ") + title : title);
}

void TMainForm::buildControls()
{
    setObjectName(QStringLiteral("MainForm"));
    // A window of its own size: the front panel scales with it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinMaxButtonsHint);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(ScrollBox1);

    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusBar"));
    StatusPanel->setMinimumWidth(50);
    statusBar()->addWidget(StatusPanel, 1);
    statusBar()->setSizeGripEnabled(true);

    // Hidden carriers of the switch's RMON state and spanning-tree version.
    ST_RmonState = new QLabel(this);
    ST_RmonState->setObjectName(QStringLiteral("ST_RmonState"));
    ST_RmonState->hide();
    ST_Version = new QLabel(this);
    ST_Version->setObjectName(QStringLiteral("ST_Version"));
    ST_Version->hide();
    ST_StackNum = new QLabel(QStringLiteral("Number"), this);
    ST_StackNum->setObjectName(QStringLiteral("ST_StackNum"));
    ST_StackNum->hide();

    // Until the front panel is embedded, the window has the panel's size at 100 %.
    ScrollBox1->setMinimumSize(765, 103);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::buildMenus()
{
    m_dispatcher = std::make_unique<CommandDispatcher>(*this);
    for (const CommandGroup *group : CommandCatalogue::groups())
        m_menus.addGroup(menuBar(), *group);
    for (QAction *action : m_menus.commandActions()) {
        const CommandRecord *record = m_menus.recordOf(action);
        action->setEnabled(CommandDispatcher::isAvailable(*record));
        connect(action, &QAction::triggered, this, [this, record] { m_dispatcher->run(*record); });
    }
    VACM1 = topMenu(QStringLiteral("SNMP V3"));
    VACM1->setObjectName(QStringLiteral("VACM1"));
    // Layer 3 commands are not offered on this model.
    topMenu(QStringLiteral("Layer 3 Management"))->menuAction()->setVisible(false);
}

QMenu *TMainForm::topMenu(const QString &caption) const
{
    for (QAction *action : menuBar()->actions()) {
        if (MenuMnemonics::plain(action->text()) == caption)
            return action->menu();
    }
    return nullptr;
}

QAction *TMainForm::menuAction(const QString &path) const
{
    const QStringList captions = path.split(QStringLiteral(" > "));
    QList<QAction *> actions = menuBar()->actions();
    QAction *found = nullptr;
    for (const QString &caption : captions) {
        const auto at = std::find_if(actions.begin(), actions.end(), [&](const QAction *a) {
            return !a->isSeparator() && MenuMnemonics::plain(a->text()) == caption;
        });
        if (at == actions.end())
            return nullptr;
        found = *at;
        actions = found->menu() ? found->menu()->actions() : QList<QAction *>();
    }
    return found;
}

void TMainForm::finishMenus()
{
    for (const MenuShortcuts::Shortcut *s = MenuShortcuts::shortcuts; s->path; ++s)
        if (QAction *action = menuAction(QString::fromLatin1(s->path)))
            action->setShortcut(QKeySequence(QString::fromLatin1(s->keys), QKeySequence::PortableText));
    MenuMnemonics::assign(menuBar());
}

void TMainForm::setStatusText(const QString &text)
{
    StatusPanel->setText(text);
}

QString TMainForm::statusText() const
{
    return StatusPanel->text();
}

void TMainForm::buildSave()
{
    m_save = std::make_unique<ConfigurationSave>();
    ST_Unsaved = new QLabel(QString::fromLatin1(UnsavedText), this);
    ST_Unsaved->setObjectName(QStringLiteral("ST_Unsaved"));
    btnSave = new QPushButton(QStringLiteral("Save"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSave->setToolTip(QStringLiteral("Save Configuration (Ctrl+S)"));
    btnSave->setFocusPolicy(Qt::NoFocus);
    statusBar()->addPermanentWidget(ST_Unsaved);
    statusBar()->addPermanentWidget(btnSave);
    connect(btnSave, &QPushButton::clicked, this, [this] { saveConfiguration(); });

    actSave = new QAction(QString::fromLatin1(ConfigurationSave::CommandName), this);
    actSave->setObjectName(QStringLiteral("actSaveConfiguration"));
    actSave->setShortcut(QKeySequence::Save);
    actSave->setShortcutContext(Qt::ApplicationShortcut);
    connect(actSave, &QAction::triggered, this, [this] { saveConfiguration(); });
    addAction(actSave);
    actChanges = new QAction(QString::fromLatin1(TChangesForm::Caption), this);
    actChanges->setObjectName(QStringLiteral("actChanges"));
    connect(actChanges, &QAction::triggered, this, [this] { showChanges(); });
    actCompareSnapshot = new QAction(QString::fromUtf8(TSnapshotCompareForm::MenuText), this);
    actCompareSnapshot->setObjectName(QStringLiteral("actCompareSnapshot"));
    connect(actCompareSnapshot, &QAction::triggered, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QString::fromLatin1(TSnapshotCompareForm::Caption),
                                                          QString(), QStringLiteral("Snapshots (*.json);;All files (*)"));
        if (!file.isEmpty())
            compareWithSnapshot(file);
    });
    actPreview = new QAction(QStringLiteral("Preview writes"), this);
    actPreview->setObjectName(QStringLiteral("actPreviewWrites"));
    actPreview->setCheckable(true);
    actPreview->setChecked(ModuleSettings::previewWrites());
    connect(actPreview, &QAction::toggled, this, [](bool on) { ModuleSettings::setPreviewWrites(on); });
    // In the menu, right after "Save Changes".
    if (QMenu *basic = topMenu(QStringLiteral("Basic Configuration"))) {
        const QList<QAction *> actions = basic->actions();
        for (qsizetype i = 0; i < actions.size(); ++i)
            if (MenuMnemonics::plain(actions[i]->text()) == QLatin1String("Save Changes")) {
                basic->insertActions(actions.value(i + 1), {actSave, actChanges, actCompareSnapshot, actPreview});
                break;
            }
    }
    // The search field at the menu bar's right end: Ctrl+K, or "/" on the panel.
    m_search = new TCommandSearchBox(CommandFinder(), [this](const CommandRecord &record) { m_dispatcher->run(record); },
                                     this);
    menuBar()->setCornerWidget(m_search, Qt::TopRightCorner);
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(find, &QShortcut::activated, m_search, [this] { m_search->setFocus(Qt::ShortcutFocusReason); });
    // The port views, first in the Layer 2 menu (and on the panel's own menu).
    if (QMenu *layer2 = topMenu(QStringLiteral("Layer 2 Management"))) {
        QAction *first = layer2->actions().value(0);
        actPortStatus = new QAction(QString::fromLatin1(TPortStatusForm::Caption), this);
        actPortStatus->setObjectName(QStringLiteral("actPortStatus"));
        connect(actPortStatus, &QAction::triggered, this, [this] { openPortStatus(); });
        actVlanMatrix = new QAction(QString::fromLatin1(TVlanMatrixForm::Caption), this);
        actVlanMatrix->setObjectName(QStringLiteral("actVlanMatrix"));
        connect(actVlanMatrix, &QAction::triggered, this, [this] { openVlanMatrix(); });
        layer2->insertActions(first, {actPortStatus, actVlanMatrix});
        layer2->insertSeparator(first);
    }
    if (QxSNMPSession *session = globalSession())
        session->setWriteGate([this](const QxSNMPWrite &write) { return previewAccepted(write); });
    m_unsaved = std::make_unique<UnsavedChanges>([this](bool unsaved) { showUnsaved(unsaved); });
}

bool TMainForm::previewAccepted(const QxSNMPWrite &write)
{
    if (!actPreview || !actPreview->isChecked())
        return true;
    // The changes as the journal will keep them: secrets hidden.
    QStringList lines;
    for (const ChangeJournal::Change &c : ChangeJournal::entryOf(write, QString(), QString()).changes)
        lines << c.text(QStringLiteral(" \u2192 "));
    const QString text = write.command + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'))
                         + QStringLiteral("\n\nSend this write to the switch?");
    return QMessageBox::question(QApplication::activeWindow() ? QApplication::activeWindow() : this,
                                 QStringLiteral("Preview writes"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
           == QMessageBox::Yes;
}

void TMainForm::showChanges()
{
    const QString caption = QString::fromLatin1(TChangesForm::Caption);
    m_dispatcher->windows().show(QStringLiteral("changes"), caption, [this, caption] {
        auto changes = std::make_unique<TChangesForm>(this, ChangeJournal(defaultDevice.address, defaultDevice.port));
        changes->setWindowTitle(caption + QStringLiteral(": ") + m_launchTexts.address);
        return changes;
    });
}

void TMainForm::compareWithSnapshot(const QString &fileName)
{
    QString why;
    std::optional<ConfigSnapshot> snapshot = ConfigSnapshot::fromFile(fileName, &why);
    if (!snapshot) {
        QMessageBox::critical(this, QString::fromLatin1(TSnapshotCompareForm::Caption), why);
        return;
    }
    // A file compared again replaces its window: the file may have changed.
    const QString key = QStringLiteral("compare:") + QFileInfo(fileName).absoluteFilePath();
    if (QDialog *open = m_dispatcher->windows().find(key))
        open->close();
    m_dispatcher->windows().show(key, QString::fromLatin1(TSnapshotCompareForm::Caption), [&] {
        auto form = std::make_unique<TSnapshotCompareForm>(
            this, std::move(*snapshot), CliSnapshotCommands::sources(CliCommandFinder()), SnmpAgent::defaults());
        form->setWindowTitle(QString::fromLatin1(TSnapshotCompareForm::Caption) + QStringLiteral(": ")
                             + QFileInfo(fileName).fileName() + QStringLiteral(" : ") + m_launchTexts.address);
        return form;
    });
}

void TMainForm::openPortSettings(int port)
{
    const CommandRecord &record = *CommandFinder().find(QString::fromLatin1(PortSettingsCommand)).record;
    QDialog *dialog = nullptr;
    try {
        dialog = m_dispatcher->showDialog(record);
    } catch (const QxSNMPException &e) {
        QMessageBox::critical(this, QStringLiteral("Port settings"), e.text());
        return;
    }
    auto *list = dialog ? dialog->findChild<QTreeWidget *>() : nullptr;
    if (!list)
        return;
    // The port's row is selected now if the table has it, or as soon as the
    // table's read brings it.
    const QString wanted = QString::number(port);
    const auto selectPort = [list, wanted] {
        const QList<QTreeWidgetItem *> found = list->findItems(wanted, Qt::MatchExactly, 0);
        if (found.isEmpty())
            return false;
        list->setCurrentItem(found.first());
        list->scrollToItem(found.first());
        return true;
    };
    // The port asked for last wins over one still waiting for its row.
    const QString pendingName = QStringLiteral("pendingPortSelection");
    if (QObject *earlier = dialog->findChild<QObject *>(pendingName, Qt::FindDirectChildrenOnly)) {
        // Gone at once: a row arriving before the event loop runs again must
        // not select the earlier port.
        const std::unique_ptr<QObject> dropped(earlier);
    }
    if (selectPort())
        return;
    auto *pending = new QObject(dialog);
    pending->setObjectName(pendingName);
    connect(list->model(), &QAbstractItemModel::rowsInserted, pending, [selectPort, pending] {
        if (selectPort())
            pending->deleteLater();
    });
}

QWidget *TMainForm::openPortStatus()
{
    return m_dispatcher->windows().show(QString::fromLatin1(TPortStatusForm::Caption),
                                        QString::fromLatin1(TPortStatusForm::Caption),
                                        [this] { return std::make_unique<TPortStatusForm>(this); });
}

QWidget *TMainForm::openVlanMatrix(int port)
{
    auto *matrix = static_cast<TVlanMatrixForm *>(m_dispatcher->windows().show(
        QString::fromLatin1(TVlanMatrixForm::Caption), QString::fromLatin1(TVlanMatrixForm::Caption),
        [this] { return std::make_unique<TVlanMatrixForm>(this); }));
    if (matrix && port > 0)
        matrix->showPort(port);
    return matrix;
}

void TMainForm::showUnsaved(bool unsaved)
{
    m_unsavedShown = unsaved;
    updateTitle();
    if (ST_Unsaved)
        ST_Unsaved->setVisible(unsaved);
}

bool TMainForm::hasUnsavedChanges() const
{
    return m_unsaved && m_unsaved->unsaved();
}

void TMainForm::saveConfiguration()
{
    if (m_save->busy())
        return;
    setStatusText(QStringLiteral("Saving..."));
    try {
        m_save->start([this](const QxSNMPWrite &outcome) {
            if (outcome.wentThrough()) {
                setStatusText(QStringLiteral("Saved at ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
                if (std::exchange(m_closeAfterSave, false))
                    close();
                return;
            }
            m_closeAfterSave = false;
            setStatusText(QStringLiteral("Save: ") + outcome.message());
        });
    } catch (const QxSNMPException &e) {
        m_closeAfterSave = false;
        setStatusText(QStringLiteral("Save: ") + e.text());
    }
}

bool TMainForm::unsavedChangesLetGo()
{
    if (!hasUnsavedChanges())
        return true;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Save"), QStringLiteral("The switch has unsaved changes. Save them before you exit?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No)
        return true;
    if (answer == QMessageBox::Yes) {
        // The window closes once the switch has taken the save.
        m_closeAfterSave = true;
        saveConfiguration();
    }
    return false;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!unsavedChangesLetGo()) {
        event->ignore();
        return;
    }
    const auto answer = QMessageBox::question(this, QStringLiteral("Exit"), QStringLiteral("Are you sure to exit?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    // The dialogs and port views close with their own close sequences; one
    // that asks (the VLAN matrix, about changes it has not applied) and is
    // told to stay keeps the main window open too.
    if (!m_dispatcher->windows().closeAll()) {
        event->ignore();
        return;
    }
    // The ports' traffic windows go with the main window.
    if (m_frontPanel)
        m_frontPanel->closeTrafficWindows();
    event->accept();
}
