#include "device/TPanelNX2400PForm.h"

#include "binding/QxLedShape.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "binding/QxStatusLine.h"
#include "device/TPanelModeButton.h"
#include "device/TPanelNX2400PArtwork.h"
#include "device/TPanelNX2400PLayout.h"
#include "device/TPanelPortButton.h"
#include "device/TPortDetailsReader.h"
#include "device/TPortTrafficForm.h"
#include "snmp/QxSNMPException.h"
#include "tables/FrontPanelObjects.h"
#include "tables/TPanelLedColorMaps.h"

#include <utility>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolTip>

namespace L = TPanelNX2400PLayout;

namespace {

const QString kPoeMode = QStringLiteral("poe");
const QString kLedStatusCaption = QStringLiteral(" Led Status");
// The hidden memo only keeps the latest lines: the PoE mode is read every 2 s.
constexpr int kMemoLines = 200;
constexpr int kSystemLedSize = 6;
constexpr int kPortLedSize = 5;

} // namespace

TPanelNX2400PForm::TPanelNX2400PForm(QWidget *owner, QLabel *statusPanel, int unit, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_unit(unit), m_owner(owner), m_statusPanel(statusPanel)
{
    setObjectName(QStringLiteral("PanelNX2400PForm"));
    setFixedSize(L::Width, L::Height);
    buildComponents();
    FormCreate();
}

TPanelNX2400PForm::~TPanelNX2400PForm()
{
    shutDownRequests();
}

void TPanelNX2400PForm::buildComponents()
{
    Image1 = new TPanelNX2400PArtwork(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    connect(Image1, &TPanelNX2400PArtwork::clicked, this, &TPanelNX2400PForm::Image1Click);

    Image2 = new TPanelModeButton(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(L::modeButton);
    connect(Image2, &TPanelModeButton::clicked, this, &TPanelNX2400PForm::Image2Click);

    // Buttons 1-24 copper, 25/26 the fibre slots, 27/28 the copper sockets of
    // ports 25/26, 29/30 ports 27/28.
    for (int n = 1; n <= 30; ++n) {
        TPanelPortButton *button = nullptr;
        if (n <= 24) {
            button = new TPanelPortButton(n, TPanelPortButton::Copper, n % 2 == 0, this);
            const QRect r = L::copperPortRect(n);
            button->setGeometry(r);
            button->setPictureOffset(L::copperSocketLeft(n) - r.left());
        } else if (n <= 26) {
            button = new TPanelPortButton(n, TPanelPortButton::Fibre, n == 26, this);
            button->setGeometry(L::fibreRect[n - 25]);
        } else {
            const int port = n - 2;
            button = new TPanelPortButton(port, TPanelPortButton::Copper, port % 2 == 0, this);
            button->setGeometry(L::uplinkRect[n - 27]);
        }
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(n));
        connect(button, &QAbstractButton::clicked, this, [this, button] { SpeedButtonClick(button); });
        connect(button, &TPanelPortButton::doubleClicked, this, [this, button] { openTraffic(button->port()); });
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, button](const QPoint &at) { showPortMenu(button, at); });
        button->installEventFilter(this);
        m_speedButtons << button;
    }

    PowerLedPanel = ledCell(QStringLiteral("PowerLedPanel"), L::powerLed, kSystemLedSize);
    ConsoleLedPanel = ledCell(QStringLiteral("ConsoleLedPanel"), L::consoleLed, kSystemLedSize);
    ActLedPanel = ledCell(QStringLiteral("ActLedPanel"), L::actLed, kSystemLedSize);
    PoeLedPanel = ledCell(QStringLiteral("PoeLedPanel"), L::poeLed, kSystemLedSize);
    for (int port = 1; port <= 28; ++port)
        m_portLedPanels << ledCell(QStringLiteral("Port%1LedPanel").arg(port), L::portLedPos(port), kPortLedSize);
    // The covers lie over the LEDs of ports 1-24 and show an unlit window.
    for (int port = 1; port <= 24; ++port) {
        QFrame *cover = ledCell(QStringLiteral("POELed%1Panel").arg(port), L::portLedPos(port), kPortLedSize);
        cover->setAutoFillBackground(true);
        QPalette palette = cover->palette();
        palette.setColor(QPalette::Window, QColor(4, 4, 5));
        cover->setPalette(palette);
        cover->hide();
        m_poeCoverPanels << cover;
    }

    cmbxPOE = new QComboBox(this);
    cmbxPOE->setObjectName(QStringLiteral("cmbxPOE"));
    cmbxPOE->hide();
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumBlockCount(kMemoLines);
    Memo1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PoeModeIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TPanelNX2400PForm::Timer1Timer);
}

QFrame *TPanelNX2400PForm::ledCell(const QString &name, const QPoint &at, int ledSize)
{
    auto *cell = new QFrame(this);
    cell->setObjectName(name);
    cell->setFrameShape(QFrame::NoFrame);
    cell->setGeometry(at.x(), at.y(), L::LedCell, L::LedCell);
    cell->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *shape = new QxLedShape(cell);
    shape->setGeometry(1, 1, ledSize, ledSize);
    return cell;
}

QxLedShape *TPanelNX2400PForm::ledOf(QFrame *cell)
{
    return cell ? cell->findChild<QxLedShape *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TPanelNX2400PForm::FormCreate()
{
    m_details = std::make_unique<TPortDetailsReader>(m_owner);
    connect(m_details.get(), &TPortDetailsReader::detailsChanged, this, &TPanelNX2400PForm::portDetailsChanged);
    createPoeModeRequest();
    createLedRequest();
    applyPoeVisibility();
    Timer1->start();
}

void TPanelNX2400PForm::createPoeModeRequest()
{
    m_poeModeRequest = std::make_unique<QxSNMPRequest2Edits>(m_owner);
    m_poeModeRequest->varList() = QxSNMPVarList(FrontPanelObjects::poeLedMode, SVT_SV, 0);
    m_poeModeRequest->bindDropDownList(0, cmbxPOE);
    m_poeModeRequest->setStatusTarget(Memo1);
    connect(m_poeModeRequest.get(), &QxSNMPRequest2Controls::readDone, this,
            [this](QxSNMPRequest2Controls *, const QxSNMPError &error) { poeModeRead(error); });
    connect(m_poeModeRequest.get(), &QxSNMPRequest2Controls::writeDone, this,
            [this](QxSNMPRequest2Controls *, const QxSNMPError &) { poeModeWritten(); });
    readPoeMode();
}

void TPanelNX2400PForm::createLedRequest()
{
    m_ledRequest = std::make_unique<QxSNMPRequest2Leds>(m_owner);
    try {
        QxSNMPRequest2Leds &leds = *m_ledRequest;
        leds.varList() = QxSNMPVarList(FrontPanelObjects::ledStatus, MVT_SV, 0);
        leds.varList().setInstanceSuffix(QStringLiteral("0"));
        leds.request().timeout = LedRequestTimeout;
        leds.setMode(2, 4);
        const QxSNMPLedColorMapList &system = TPanelLedColorMaps::system();
        leds.addLed(0, 2, &system, ledOf(PowerLedPanel));
        leds.addLed(0, 3, &system, ledOf(ConsoleLedPanel));
        leds.addLed(0, 0, &system, ledOf(ActLedPanel));
        leds.addLed(0, 1, &system, ledOf(PoeLedPanel));
        for (int port = 1; port <= 28; ++port) {
            const QxSNMPLedColorMapList &map = port <= 24 ? TPanelLedColorMaps::port() : TPanelLedColorMaps::comboPort();
            leds.addLed(0, 4 + 2 * (port - 1), &map, ledOf(portLedPanel(port)));
        }
        if (m_statusPanel)
            leds.setStatusTarget(m_statusPanel.data());
        leds.varList().setListName(kLedStatusCaption);
        leds.start(LedPollPeriod);
    } catch (...) {
        // The panel shows dark LEDs and polling goes on: the next poll reports.
    }
}

void TPanelNX2400PForm::note(const QString &text)
{
    QxStatusLine::append(Memo1, text);
}

void TPanelNX2400PForm::readPoeMode()
{
    // A read still on its way answers for this one too.
    if (!m_poeModeRequest || m_poeModeRequest->busy())
        return;
    try {
        m_poeModeRequest->refresh();
    } catch (const QxSNMPException &e) {
        note(e.text());
    } catch (const std::exception &e) {
        note(QString::fromLocal8Bit(e.what()));
    }
}

void TPanelNX2400PForm::applyPoeVisibility()
{
    readPoeMode();
    const bool poe = cmbxPOE->currentText() == kPoeMode;
    for (QFrame *cell : {PowerLedPanel, ConsoleLedPanel, ActLedPanel, PoeLedPanel})
        cell->show();
    for (int port = 1; port <= 28; ++port) {
        if (port > 24) {
            portLedPanel(port)->show();
            continue;
        }
        portLedPanel(port)->setVisible(!poe);
        poeCoverPanel(port)->setVisible(poe);
    }
}

void TPanelNX2400PForm::Timer1Timer()
{
    if (m_closed)
        return;
    applyPoeVisibility();
}

void TPanelNX2400PForm::Image2Click()
{
    // One toggle at a time: a second click while one runs is ignored.
    if (m_toggle != Toggle::Idle || !m_poeModeRequest)
        return;
    Timer1->stop();
    m_toggle = Toggle::Reading;
    // The toggle goes on when the read (this one, or one already on its way) is in.
    if (m_poeModeRequest->busy())
        return;
    try {
        m_poeModeRequest->refresh();
    } catch (const QxSNMPException &e) {
        note(e.text());
        finishToggle();
    } catch (const std::exception &e) {
        note(QString::fromLocal8Bit(e.what()));
        finishToggle();
    }
}

void TPanelNX2400PForm::poeModeRead(const QxSNMPError &error)
{
    if (m_toggle != Toggle::Reading)
        return;
    if (error.code != 0) {
        // The controller has written the error to the memo.
        finishToggle();
        return;
    }
    cmbxPOE->setCurrentIndex(cmbxPOE->currentIndex() >= 1 ? 0 : 1);
    m_toggle = Toggle::Writing;
    try {
        m_poeModeRequest->apply(false, true);
    } catch (const QxSNMPException &e) {
        note(e.text());
        finishToggle();
    } catch (const std::exception &e) {
        note(QString::fromLocal8Bit(e.what()));
        finishToggle();
    }
}

void TPanelNX2400PForm::poeModeWritten()
{
    if (m_toggle == Toggle::Writing)
        finishToggle();
}

void TPanelNX2400PForm::finishToggle()
{
    m_toggle = Toggle::Idle;
    if (m_closed)
        return;
    // Restarted after a failure too: one failed toggle must not leave the
    // view deaf to the switch's LED mode.
    Timer1->start();
    applyPoeVisibility();
}

void TPanelNX2400PForm::SpeedButtonClick(TPanelPortButton *button)
{
    if (m_pressed && m_pressed != button)
        m_pressed->setChecked(false);
    m_pressed = button;
    if (button)
        button->setChecked(true);
}

void TPanelNX2400PForm::Image1Click()
{
    if (m_pressed)
        m_pressed->setChecked(false);
    m_pressed = nullptr;
}

bool TPanelNX2400PForm::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<TPanelPortButton *>(watched);
    if (!button || !m_details)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ToolTip) {
        m_hovered = button;
        m_details->look(button->port());
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), portToolTip(button->port()), button);
        return true;
    }
    if (event->type() == QEvent::Leave && m_hovered == button)
        m_hovered = nullptr;
    return QWidget::eventFilter(watched, event);
}

void TPanelNX2400PForm::portDetailsChanged(int port)
{
    // What came in replaces what the tooltip shows, while it shows this port.
    if (m_hovered && m_hovered->port() == port && QToolTip::isVisible())
        QToolTip::showText(QCursor::pos(), portToolTip(port), m_hovered);
}

QString TPanelNX2400PForm::portToolTip(int port) const
{
    return m_details ? m_details->details(port).toolTip() : QString();
}

void TPanelNX2400PForm::showPortMenu(TPanelPortButton *button, const QPoint &at)
{
    QMenu menu(this);
    QAction *traffic = menu.addAction(QStringLiteral("Traffic…"));
    if (menu.exec(button->mapToGlobal(at)) == traffic)
        openTraffic(button->port());
}

TPortTrafficForm *TPanelNX2400PForm::trafficWindow(int port) const
{
    for (const QPointer<TPortTrafficForm> &window : m_traffic)
        if (window && window->port() == port)
            return window;
    return nullptr;
}

TPortTrafficForm *TPanelNX2400PForm::openTraffic(int port)
{
    if (m_closed)
        return nullptr;
    TPortTrafficForm *window = trafficWindow(port);
    if (!window) {
        m_traffic.removeAll(nullptr);
        // A window of its own over the main window, which closes it with itself.
        window = new TPortTrafficForm(m_owner ? m_owner.data() : this, port);
        m_traffic << window;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void TPanelNX2400PForm::closeTrafficWindows()
{
    // Closing waits for the windows' reads, and the list may change meanwhile.
    const auto windows = std::exchange(m_traffic, {});
    for (const QPointer<TPortTrafficForm> &window : windows)
        if (window)
            window->stopSampling();
    for (const QPointer<TPortTrafficForm> &window : windows)
        if (window)
            window->close();
}

void TPanelNX2400PForm::closeEvent(QCloseEvent *event)
{
    shutDownRequests();
    QWidget::closeEvent(event);
}

void TPanelNX2400PForm::shutDownRequests()
{
    m_closed = true;
    Timer1->stop();
    if (m_ledRequest) {
        m_ledRequest->stop();
        // The controller stops sending and waits for the outstanding poll.
        m_ledRequest.reset();
    }
    m_poeModeRequest.reset();
    m_details.reset();
    closeTrafficWindows();
    m_toggle = Toggle::Idle;
}
