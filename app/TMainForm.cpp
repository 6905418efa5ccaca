#include "app/TMainForm.h"

#include "app/ModuleStartup.h"
#include "app/RegistryStore.h"
#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace {

const char *const kTopMenus[] = {
    "Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3", "Security Management",
    "Layer 2 Management", "Layer 3 Management", "Single IP", "Help",
};

} // namespace

TMainForm::TMainForm(const QStringList &parameters, const RegistryStore &registry, QWidget *parent,
                     const QString &bootCounterDirectory)
    : QMainWindow(parent)
{
    const ModuleStartup::Result startup = ModuleStartup::run(parameters, registry, bootCounterDirectory);
    m_launchTexts = startup.launch.texts;
    m_moduleFolder = startup.moduleFolder;

    buildControls();
    buildMenus();

    if (startup.noParameters) {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(), QStringLiteral("No parameter input"));
        m_startupEnded = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    VACM1->setEnabled(defaultSecurity.version == QxSNMPSecurity::V3);
    setWindowTitle(m_launchTexts.address);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildControls()
{
    setObjectName(QStringLiteral("MainForm"));
    // Fixed single border with the close button as the only title-bar button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

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
    statusBar()->setSizeGripEnabled(false);

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

    // Until the front panel is embedded, the window has the panel's size.
    ScrollBox1->setMinimumSize(765, 103);
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::buildMenus()
{
    for (const char *caption : kTopMenus) {
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(caption));
    }
    VACM1 = topMenu(QStringLiteral("SNMP V3"));
    VACM1->setObjectName(QStringLiteral("VACM1"));
    // Layer 3 commands are not offered on this model.
    topMenu(QStringLiteral("Layer 3 Management"))->menuAction()->setVisible(false);
}

QMenu *TMainForm::topMenu(const QString &caption) const
{
    for (QAction *action : menuBar()->actions()) {
        if (action->text() == caption)
            return action->menu();
    }
    return nullptr;
}

void TMainForm::setStatusText(const QString &text)
{
    StatusPanel->setText(text);
}

QString TMainForm::statusText() const
{
    return StatusPanel->text();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    const auto answer = QMessageBox::question(this, QStringLiteral("Exit"), QStringLiteral("Are you sure to exit?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        event->accept();
    else
        event->ignore();
}
