#pragma once

#include "device/TPanelPortButton.h" // held by a guarded pointer, which needs the class
#include "dialogs/generic/TDialogMessages.h"

#include <QDateTime>

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QxLedShape;
struct QxDescriptorTable;
struct QxSNMPError;
class QxSNMPRequest;
class QMenu;
class QxSNMPRequest2Controls;
class QxSNMPRequest2Edits;
class QxSNMPRequest2Leds;
class TPanelModeButton;
class TPanelNX2400PArtwork;
class TPortDetailsReader;
class TPortStateReader;
class TPortTrafficForm;

// The live front panel of the NX-2400P: 24 copper PoE ports, uplinks 25-28 (25
// and 26 combo ports with a fibre slot), the port and system LEDs following the
// switch's LED status string (polled every 3 s), and the mode button that
// switches the switch's port LEDs between link and PoE view. Borderless; drawn
// in code at any size, scaled alike both ways (100 % is 762 x 100); the main
// window embeds it and leaves it to run by itself.
//
// Each socket shows its port's state beside the LEDs (link by speed, down,
// disabled, PoE delivering, errors), from a light poll of all ports. When the
// LED poll goes unanswered the panel is greyed under a banner saying since
// when, until the switch answers again.
//
// A port tells more than its LED: hovering it shows its details in a tooltip
// (read asynchronously, kept a few seconds), and its context menu's
// "Traffic…" or a double-click opens its live traffic chart, a window of its
// own over the owner, one per port. The menu also enables and disables the
// port and its PoE (asked first, written through the one write function) and
// asks the main window for the port's VLANs and settings.
class TPanelNX2400PForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int LedPollPeriod = 300;    // x 10 ms
    static constexpr int LedRequestTimeout = 300; // hundredths of a second
    static constexpr int PoeModeIntervalMs = 2000;

    // owner: parent of the bindings' message boxes; statusPanel: where the LED
    // polls report (the main window's first status-bar panel).
    TPanelNX2400PForm(QWidget *owner, QLabel *statusPanel, int unit = 0, QWidget *parent = nullptr);
    ~TPanelNX2400PForm() override;

    int unit() const { return m_unit; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The panel's scale now (1: 762 x 100).
    qreal scale() const;

    // What the port's socket shows: "up 100M full", "down", "disabled", ...
    QString portStateText(int port) const;
    TPortStateReader *portStates() const { return m_states.get(); }
    // "answering", or "not answering since HH:MM:SS".
    QString connectionText() const;
    bool answering() const { return !m_silentSince.isValid(); }
    // The port's context menu as it would open now (the caller owns it).
    QMenu *portMenu(int port);
    // The port menu's confirmations (a test or the driver answers them).
    void setMessages(const TDialogMessages &messages) { m_messages = messages.completed(); }
    // Enables or disables the port, or its PoE, after asking; false when the
    // user said no or nothing could be sent.
    bool setPortEnabled(int port, bool enabled);
    bool setPoeEnabled(int port, bool enabled);

    // Components, for the window's own handlers and for tests.
    TPanelNX2400PArtwork *image1() const { return Image1; }
    TPanelModeButton *image2() const { return Image2; }
    // Port buttons 1-30 as named (SpeedButton1 ... SpeedButton30).
    TPanelPortButton *speedButton(int n) const { return m_speedButtons.value(n - 1); }
    TPanelPortButton *pressedButton() const { return m_pressed; }
    QFrame *portLedPanel(int port) const { return m_portLedPanels.value(port - 1); }
    QFrame *poeCoverPanel(int port) const { return m_poeCoverPanels.value(port - 1); }
    QFrame *powerLedPanel() const { return PowerLedPanel; }
    QFrame *consoleLedPanel() const { return ConsoleLedPanel; }
    QFrame *actLedPanel() const { return ActLedPanel; }
    QFrame *poeLedPanel() const { return PoeLedPanel; }
    // The LED shape inside a cell.
    static QxLedShape *ledOf(QFrame *cell);
    QComboBox *poeModeBox() const { return cmbxPOE; }
    QPlainTextEdit *memo() const { return Memo1; }
    QTimer *timer1() const { return Timer1; }
    QxSNMPRequest2Leds *ledRequest() const { return m_ledRequest.get(); }
    QxSNMPRequest2Edits *poeModeRequest() const { return m_poeModeRequest.get(); }

    // Event handlers.
    void SpeedButtonClick(TPanelPortButton *button);
    void Image1Click();
    void Image2Click();
    void Timer1Timer();
    // Reads the PoE LED mode (the answer counts from the next rule on) and shows
    // the port LEDs 1-24 or their PoE covers for the mode cmbxPOE shows now.
    void applyPoeVisibility();
    bool toggling() const { return m_toggle != Toggle::Idle; }

    // The port's tooltip as it reads now, and the reader behind it.
    QString portToolTip(int port) const;
    TPortDetailsReader *portDetails() const { return m_details.get(); }
    // The port's traffic window, opened (or raised when it is open already).
    TPortTrafficForm *openTraffic(int port);
    TPortTrafficForm *trafficWindow(int port) const;
    // Closes every traffic window (they go with the main window).
    void closeTrafficWindows();

signals:
    // The port menu's "VLANs…" and "Port settings…": the main window opens them.
    void portVlansRequested(int port);
    void portSettingsRequested(int port);
    // The panel's own context menu: "Port Status" and "VLAN Matrix".
    void portStatusRequested();
    void vlanMatrixRequested();
    // The LED poll was answered again, or went unanswered.
    void connectionChanged(bool answering);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Toggle { Idle, Reading, Writing };

    void buildComponents();
    void FormCreate();
    void createPoeModeRequest();
    void createLedRequest();
    QFrame *ledCell(const QString &name, const QPoint &at, int ledSize);
    void readPoeMode();
    void note(const QString &text);
    void poeModeRead(const QxSNMPError &error);
    void poeModeWritten();
    void finishToggle();
    void shutDownRequests();
    void showPortMenu(TPanelPortButton *button, const QPoint &at);
    void portDetailsChanged(int port);
    // Puts every component where the panel's scale puts it.
    void relayout();
    // Remembers where a component sits at 100 %.
    void place(QWidget *widget, const QRectF &design);
    void ledPolled(const QxSNMPError &error);
    void statesRead();
    // One write of a port's row (Admin Status or PoE State) at the port's instance.
    bool writePort(int port, const QxDescriptorTable &table, const QString &value, const QString &what);

    int m_unit;
    QPointer<QWidget> m_owner;
    QPointer<QLabel> m_statusPanel;

    TPanelNX2400PArtwork *Image1 = nullptr;
    TPanelModeButton *Image2 = nullptr;
    QList<TPanelPortButton *> m_speedButtons;
    QFrame *PowerLedPanel = nullptr;
    QFrame *ConsoleLedPanel = nullptr;
    QFrame *ActLedPanel = nullptr;
    QFrame *PoeLedPanel = nullptr;
    QList<QFrame *> m_portLedPanels;
    QList<QFrame *> m_poeCoverPanels;
    QComboBox *cmbxPOE = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QTimer *Timer1 = nullptr;

    QPointer<TPanelPortButton> m_pressed;
    Toggle m_toggle = Toggle::Idle;
    bool m_closed = false;
    std::unique_ptr<QxSNMPRequest2Leds> m_ledRequest;
    std::unique_ptr<QxSNMPRequest2Edits> m_poeModeRequest;
    std::unique_ptr<TPortDetailsReader> m_details;
    // The port whose tooltip shows, and its button.
    QPointer<TPanelPortButton> m_hovered;
    QList<QPointer<TPortTrafficForm>> m_traffic;
    std::unique_ptr<TPortStateReader> m_states;
    // Components and where they sit at 100 %.
    QList<QPair<QPointer<QWidget>, QRectF>> m_design;
    // Greys the panel and carries the banner while the switch does not answer.
    QLabel *ST_NotAnswering = nullptr;
    QDateTime m_silentSince;
    TDialogMessages m_messages = TDialogMessages::standard();
    // Port writes on their way, dropped once answered.
    QList<std::shared_ptr<QxSNMPRequest>> m_writes;
};
