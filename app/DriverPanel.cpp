#include "app/DriverPanel.h"

#include "app/TMainForm.h"
#include "app/cli/CliError.h"
#include "app/cli/CliProgram.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "device/TPanelNX2400PForm.h"
#include "device/TPortStateReader.h"
#include "snmp/QxEventWait.h"

#include <QAction>
#include <QMenu>
#include <memory>

namespace {

// Waits (events going on) until the condition holds or ms have passed.
bool waitFor(const std::function<bool()> &done, int ms)
{
    return !QxEventWait::whileHolds([&done] { return !done(); }, ms);
}

constexpr int FirstPollMs = 15000;

} // namespace

DriverPanel::DriverPanel(TMainForm &mainForm, QList<DriverAction> actions, std::FILE *out)
    : m_mainForm(mainForm), m_actions(std::move(actions)), m_out(out)
{
}

int DriverPanel::run(const QString &grabFile)
{
    m_mainForm.show();
    TPanelNX2400PForm *panel = m_mainForm.frontPanel();
    if (!panel)
        throw CliError(QStringLiteral("The main window has no front panel"), 1);
    TDialogMessages messages;
    messages.confirm = [this](QWidget *, const QString &caption, const QString &text) {
        CliProgram::write(m_out, QStringLiteral("box: %1: %2\n").arg(caption, text));
        return m_answerYes;
    };
    panel->setMessages(messages);
    // The first LED poll and the first port-state poll, answered or not.
    bool polled = false;
    bool statesRead = false;
    QObject::connect(panel->ledRequest(), &QxSNMPRequest2Controls::readDone, panel, [&polled] { polled = true; });
    QObject::connect(panel->portStates(), &TPortStateReader::statesRead, panel, [&statesRead] { statesRead = true; });
    waitFor([&] { return polled && (statesRead || !panel->answering()); }, FirstPollMs);

    int status = 0;
    for (const DriverAction &action : std::as_const(m_actions))
        if (!act(action)) {
            status = 1;
            break;
        }
    print();
    if (!grabFile.isEmpty() && !m_mainForm.grab().save(grabFile))
        throw CliError(QStringLiteral("Can not write %1").arg(grabFile));
    return status;
}

bool DriverPanel::act(const DriverAction &action)
{
    TPanelNX2400PForm *panel = m_mainForm.frontPanel();
    switch (action.kind) {
    case DriverAction::Kind::Answer:
        m_answerYes = action.value == QLatin1String("yes");
        return true;
    case DriverAction::Kind::Wait:
        waitFor([] { return false; }, int(action.value.toDouble() * 1000));
        return true;
    case DriverAction::Kind::PortMenu: {
        bool ok = false;
        const int port = action.control.toInt(&ok);
        if (!ok || port < 1 || port > TPortStateReader::Ports) {
            CliProgram::write(stderr, QStringLiteral("portmenu: no port %1\n").arg(action.control));
            return false;
        }
        const std::unique_ptr<QMenu> menu(panel->portMenu(port));
        static const QStringList writes{QStringLiteral("Enable"), QStringLiteral("Disable"), QStringLiteral("PoE on"),
                                        QStringLiteral("PoE off")};
        QStringList items;
        for (QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            items << item->text();
            if (item->text() != action.value && item->text() != action.value + QStringLiteral("\u2026"))
                continue;
            if (item->text().startsWith(QLatin1String("Port settings"))) {
                CliProgram::write(stderr, QStringLiteral("portmenu: \"Port settings…\" opens a dialog: drive it with "
                                                         "--command \"Port Control Table\"\n"));
                return false;
            }
            if (!writes.contains(item->text())) {
                item->trigger();
                return true;
            }
            // What the item writes is awaited: the poll that follows the
            // write is the second at most (one may be on its way already).
            int reads = 0;
            const auto connection = QObject::connect(panel->portStates(), &TPortStateReader::statesRead, panel,
                                                     [&reads] { ++reads; });
            item->trigger();
            waitFor([&reads] { return reads >= 2; }, FirstPollMs);
            QObject::disconnect(connection);
            return true;
        }
        CliProgram::write(stderr, QStringLiteral("portmenu: port %1 has no item \"%2\" (%3)\n")
                                      .arg(port)
                                      .arg(action.value, items.join(QStringLiteral(", "))));
        return false;
    }
    default:
        CliProgram::write(stderr, QStringLiteral("--panel takes portmenu:, answer: and wait: only\n"));
        return false;
    }
}

void DriverPanel::print() const
{
    const TPanelNX2400PForm *panel = m_mainForm.frontPanel();
    CliProgram::write(m_out, QStringLiteral("connection: %1\n").arg(panel->connectionText()));
    for (int port = 1; port <= TPortStateReader::Ports; ++port)
        CliProgram::write(m_out, QStringLiteral("port %1: %2\n").arg(port).arg(panel->portStateText(port)));
}
