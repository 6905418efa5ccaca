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
#include "device/TPortStateReader.h"
#include "device/TPortTrafficForm.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxNetSnmpStatus.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "tables/PortViewTables.h"
#include "tables/FrontPanelObjects.h"
#include "tables/TPanelLedColorMaps.h"

#include <utility>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
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
    buildComponents();
    FormCreate();
    resize(sizeHint());
    relayout();
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
    // The port views open from the panel as from the menu.
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Port Status"), this, [this] { emit portStatusRequested(); });
        menu.addAction(QStringLiteral("VLAN Matrix"), this, [this] { emit vlanMatrixRequested(); });
        menu.exec(Image1->mapToGlobal(at));
    });

    Image2 = new TPanelModeButton(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    place(Image2, L::modeButton);
    connect(Image2, &TPanelModeButton::clicked, this, &TPanelNX2400PForm::Image2Click);

    // Buttons 1-24 copper, 25/26 the fibre slots, 27/28 the copper sockets of
    // ports 25/26, 29/30 ports 27/28.
    for (int n = 1; n <= 30; ++n) {
        TPanelPortButton *button = nullptr;
        if (n <= 24) {
            button = new TPanelPortButton(n, TPanelPortButton::Copper, n % 2 == 0, this);
            const QRect r = L::copperPortRect(n);
            place(button, r);
            button->setPictureOffset(L::copperSocketLeft(n) - r.left());
        } else if (n <= 26) {
            button = new TPanelPortButton(n, TPanelPortButton::Fibre, n == 26, this);
            place(button, L::fibreRect[n - 25]);
        } else {
            const int port = n - 2;
            button = new TPanelPortButton(port, TPanelPortButton::Copper, port % 2 == 0, this);
            place(button, L::uplinkRect[n - 27]);
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

    // Over everything else, seen only while the switch does not answer.
    ST_NotAnswering = new QLabel(this);
    ST_NotAnswering->setObjectName(QStringLiteral("ST_NotAnswering"));
    ST_NotAnswering->setAlignment(Qt::AlignCenter);
    ST_NotAnswering->setAttribute(Qt::WA_TransparentForMouseEvents);
    ST_NotAnswering->setStyleSheet(QStringLiteral("QLabel { background: rgba(150, 152, 158, 190); color: #202226; "
                                                  "font-weight: bold; }"));
    ST_NotAnswering->hide();

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
    cell->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(cell, QRectF(at.x(), at.y(), L::LedCell, L::LedCell));
    auto *shape = new QxLedShape(cell);
    shape->setObjectName(QString::number(ledSize)); // the LED's size at 100 %
    shape->setGeometry(1, 1, ledSize, ledSize);
    return cell;
}

QxLedShape *TPanelNX2400PForm::ledOf(QFrame *cell)
{
    return cell ? cell->findChild<QxLedShape *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TPanelNX2400PForm::place(QWidget *widget, const QRectF &design)
{
    m_design.append({widget, design});
}

QSize TPanelNX2400PForm::sizeHint() const
{
    // Comfortable on a common screen, never wider than the screen.
    QSize hint(qRound(L::Width * L::ComfortableScale), qRound(L::Height * L::ComfortableScale));
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const int room = screen->availableGeometry().width() - 40;
        if (room < hint.width())
            hint = QSize(std::max(room, L::Width), std::max(room, L::Width) * L::Height / L::Width);
    }
    return hint;
}

QSize TPanelNX2400PForm::minimumSizeHint() const
{
    return QSize(L::Width, L::Height);
}

qreal TPanelNX2400PForm::scale() const
{
    return L::Placement::within(size()).scale;
}

void TPanelNX2400PForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TPanelNX2400PForm::relayout()
{
    const L::Placement placement = L::Placement::within(size());
    Image1->setGeometry(rect());
    for (const auto &[widget, design] : std::as_const(m_design)) {
        if (!widget)
            continue;
        widget->setGeometry(placement.mappedRect(design));
        if (auto *button = qobject_cast<TPanelPortButton *>(widget.data()))
            button->setScale(placement.scale);
        // An LED keeps its one-pixel margin in its cell, scaled.
        if (QxLedShape *led = ledOf(qobject_cast<QFrame *>(widget.data()))) {
            const int size = std::max(1, qRound(led->objectName().toInt() * placement.scale));
            const int margin = std::max(1, qRound(placement.scale));
            led->setGeometry(margin, margin, size, size);
        }
    }
    ST_NotAnswering->setGeometry(rect());
    QFont banner = ST_NotAnswering->font();
    banner.setPixelSize(std::max(11, qRound(14 * placement.scale)));
    ST_NotAnswering->setFont(banner);
}

void TPanelNX2400PForm::FormCreate()
{
    m_details = std::make_unique<TPortDetailsReader>(m_owner);
    connect(m_details.get(), &TPortDetailsReader::detailsChanged, this, &TPanelNX2400PForm::portDetailsChanged);
    createPoeModeRequest();
    createLedRequest();
    applyPoeVisibility();
    Timer1->start();
    m_states = std::make_unique<TPortStateReader>(m_owner);
    connect(m_states.get(), &TPortStateReader::statesRead, this, [this] { statesRead(); });
    m_states->start();
}

void TPanelNX2400PForm::statesRead()
{
    for (TPanelPortButton *button : std::as_const(m_speedButtons))
        button->setState(m_states->state(button->port()));
}

QString TPanelNX2400PForm::portStateText(int port) const
{
    return m_states ? m_states->state(port).text() : QString();
}

QString TPanelNX2400PForm::connectionText() const
{
    return answering() ? QStringLiteral("answering")
                       : QStringLiteral("not answering since ") + m_silentSince.toString(QStringLiteral("HH:mm:ss"));
}

void TPanelNX2400PForm::ledPolled(const QxSNMPError &error)
{
    static const int timedOut = QxMessageCatalogue::instance().mapLibraryStatus(QxNetSnmpStatus::Timeout).code;
    const bool wasAnswering = answering();
    if (error.code == timedOut) {
        if (wasAnswering) {
            m_silentSince = QDateTime::currentDateTime();
            ST_NotAnswering->setText(QStringLiteral("The switch is not answering since ")
                                     + m_silentSince.toString(QStringLiteral("HH:mm:ss")));
            ST_NotAnswering->raise();
            ST_NotAnswering->show();
            emit connectionChanged(false);
        }
        return;
    }
    if (!wasAnswering) {
        m_silentSince = QDateTime();
        ST_NotAnswering->hide();
        emit connectionChanged(true);
        // What the sockets show is read again at once rather than a poll later.
        if (m_states)
            m_states->poll();
    }
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
        connect(&leds, &QxSNMPRequest2Controls::readDone, this,
                [this](QxSNMPRequest2Controls *, const QxSNMPError &error) { ledPolled(error); });
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
    const std::unique_ptr<QMenu> menu(portMenu(button->port()));
    menu->exec(button->mapToGlobal(at));
}

QMenu *TPanelNX2400PForm::portMenu(int port)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PortMenu%1").arg(port));
    const QxPortState state = m_states ? m_states->state(port) : QxPortState();
    const bool disabled = state.link == QxPortState::Link::Disabled;
    menu->addAction(disabled ? QStringLiteral("Enable") : QStringLiteral("Disable"), this,
                    [this, port, disabled] { setPortEnabled(port, disabled); });
    if (port <= 24) {
        menu->addAction(QStringLiteral("PoE on"), this, [this, port] { setPoeEnabled(port, true); });
        menu->addAction(QStringLiteral("PoE off"), this, [this, port] { setPoeEnabled(port, false); });
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("VLANs…"), this, [this, port] { emit portVlansRequested(port); });
    menu->addAction(QStringLiteral("Traffic…"), this, [this, port] { openTraffic(port); });
    menu->addAction(QStringLiteral("Port settings…"), this, [this, port] { emit portSettingsRequested(port); });
    return menu;
}

bool TPanelNX2400PForm::setPortEnabled(int port, bool enabled)
{
    const QString what = enabled ? QStringLiteral("Enable") : QStringLiteral("Disable");
    if (!m_messages.confirm(m_owner ? m_owner.data() : this, what + QStringLiteral(" port"),
                            QStringLiteral("%1 port %2?").arg(what).arg(port)))
        return false;
    return writePort(port, PortViewTables::states, enabled ? QStringLiteral("1") : QStringLiteral("2"),
                     QStringLiteral("Port %1: %2").arg(port).arg(what));
}

bool TPanelNX2400PForm::setPoeEnabled(int port, bool enabled)
{
    const QString what = enabled ? QStringLiteral("PoE on") : QStringLiteral("PoE off");
    if (!m_messages.confirm(m_owner ? m_owner.data() : this, what,
                            QStringLiteral("Turn PoE %1 on port %2?").arg(enabled ? "on" : "off").arg(port)))
        return false;
    return writePort(port, PortViewTables::poeAdmin, enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                     QStringLiteral("Port %1: %2").arg(port).arg(what));
}

bool TPanelNX2400PForm::writePort(int port, const QxDescriptorTable &table, const QString &value, const QString &what)
{
    auto request = std::make_shared<QxSNMPRequest>();
    request->varList() = QxSNMPVarList(table);
    request->varList().setInstanceSuffix(QString::number(port));
    if (QxSNMPSession *session = globalSession())
        session->setCommand(QStringLiteral("Front Panel > ") + what);
    m_writes.append(request);
    const QPointer<QLabel> status = m_statusPanel;
    try {
        // Column 0 of either table is what the menu writes.
        request->write(QStringLiteral("0"), {value}, false, [this, request, status, what](const QxSNMPWrite &write) {
            const bool ok = write.wentThrough();
            if (status)
                QxStatusLine::show(status, what + QStringLiteral(": ") + write.message(),
                                   ok ? QxStatusLine::Outcome::Plain : QxStatusLine::Outcome::Failed);
            // The request is dropped from the event loop, once this is over.
            QMetaObject::invokeMethod(this, [this, request] { m_writes.removeAll(request); }, Qt::QueuedConnection);
            if (m_states)
                m_states->poll();
        });
    } catch (const QxSNMPException &e) {
        m_writes.removeAll(request);
        if (status)
            QxStatusLine::show(status, what + QStringLiteral(": ") + e.text(), QxStatusLine::Outcome::Failed);
        return false;
    }
    return true;
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
    m_states.reset();
    closeTrafficWindows();
    m_toggle = Toggle::Idle;
}
