#pragma once

#include "device/TPanelPortButton.h" // held by a guarded pointer, which needs the class

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
struct QxSNMPError;
class QxSNMPRequest2Controls;
class QxSNMPRequest2Edits;
class QxSNMPRequest2Leds;
class TPanelModeButton;
class TPanelNX2400PArtwork;
class TPortDetailsReader;
class TPortTrafficForm;

// The live front panel of the NX-2400P: 24 copper PoE ports, uplinks 25-28 (25
// and 26 combo ports with a fibre slot), the port and system LEDs following the
// switch's LED status string (polled every 3 s), and the mode button that
// switches the switch's port LEDs between link and PoE view. Borderless and
// fixed in size; the main window embeds it and leaves it to run by itself.
//
// A port tells more than its LED: hovering it shows its details in a tooltip
// (read asynchronously, kept a few seconds), and its context menu's
// "Traffic…" or a double-click opens its live traffic chart, a window of its
// own over the owner, one per port.
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

protected:
    void closeEvent(QCloseEvent *event) override;
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
};
