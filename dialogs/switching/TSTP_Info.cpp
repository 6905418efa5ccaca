#include "dialogs/switching/TSTP_Info.h"

#include "dialogs/dedicated/TMainWindowLink.h"
#include "dialogs/generic/TProgressForm2.h"
#include "tables/SpanningTreeDialogTables.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

namespace Bridge = SpanningTreeDialogTables::BridgeColumn;
namespace Mstp = SpanningTreeDialogTables::MstpColumn;

constexpr DedicatedField kFields[] = {
    {Bridge::Version, "Combo_STPVersion", "STP Version", DedicatedField::DropDown},
    {Bridge::MaxAge, "ET_AgingTime", "Maxi Age (600-4000)", DedicatedField::Edit, "%i{n600x4000l4a}"},
    {Bridge::HelloTime, "ET_HelloTime", "Hello Time(100-200)", DedicatedField::Edit, "%i{n100x200l3a}"},
    {Bridge::ForwardDelay, "ET_ForwardDelay", "Forward Delay(400-3000)", DedicatedField::Edit, "%i{n400x3000l4a}"},
    {Bridge::MaxHops, "ET_Priority", "Max Hops[1-20]", DedicatedField::Edit, "%i{n1x20l2a}"},
    {Bridge::TxHoldCount, "ED_TxHoldCount", "TX Hold Count (1-10)", DedicatedField::Edit, "%i{n1x10l2a}"},
    {Bridge::ForwardBpdu, "Combo_BPDU", "Forwarding BPDU", DedicatedField::DropDown},
    {Bridge::Lbd, "Combo_LBD", "STP LBD", DedicatedField::DropDown},
    {Bridge::LbdRecover, "ET_LBDRecover", "STP LBD Recover time", DedicatedField::Edit, "%i{n0x1000000l7a}"},
};
constexpr DedicatedField kState[] = {{0, "ST_StpState", nullptr, DedicatedField::HiddenText}};

// What the MSTP write carries, taken from the bridge list's columns.
constexpr std::pair<int, int> kMstpFromBridge[] = {
    {Mstp::Version, Bridge::Version},         {Mstp::MaxAge, Bridge::MaxAge},
    {Mstp::ForwardDelay, Bridge::ForwardDelay}, {Mstp::MaxHops, Bridge::MaxHops},
    {Mstp::TxHoldCount, Bridge::TxHoldCount}, {Mstp::ForwardBpdu, Bridge::ForwardBpdu},
    {Mstp::Lbd, Bridge::Lbd},                 {Mstp::LbdRecover, Bridge::LbdRecover},
};

constexpr char kEmpty[] = "Don't Leave Empty Fileds !";
constexpr char kDataError[] = "Data Error !";
constexpr int StpTimeout = 300;

} // namespace

TSTP_Info::TSTP_Info(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "STP Control", .status = StatusOutput::StatusBar, .size = {560, 340}})
{
    runCreation([this] {
        m_bridge = &addBinding(SpanningTreeDialogTables::bridge, {.synchronous = true, .timeout = StpTimeout});
        addFields(*m_bridge, kFields);
        m_mstp = &addBinding(SpanningTreeDialogTables::mstp, {.timeout = StpTimeout});
        m_state = &addBinding(SpanningTreeDialogTables::state, {.synchronous = true});
        addFields(*m_state, kState);
        addEditorLine(nullptr, new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)")));
        addEditorLine(nullptr, new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age")));
        m_version = control<QComboBox>("Combo_STPVersion");
        m_helloTime = control<QLineEdit>("ET_HelloTime");
        connect(m_version, &QComboBox::activated, this,
                [this] { helloTimeFor(m_version->currentText() == QLatin1String("mstp"), true); });
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Set", "btnSet", [this] { set(); });

        refreshBinding(m_mstp);
        refreshBinding(m_state);
        refreshBinding(m_bridge);
        if (mainWindowSaysMstp())
            helloTimeFor(true, false);
    });
}

bool TSTP_Info::mainWindowSaysMstp() const
{
    const TMainWindowLink *window = mainWindow();
    return window && window->stpVersionText() == QLatin1String("mstp");
}

void TSTP_Info::helloTimeFor(bool mstp, bool fillDefault)
{
    m_helloTime->setEnabled(!mstp);
    setKeyEditable(m_helloTime, !mstp);
    if (mstp)
        m_helloTime->clear();
    else if (fillDefault)
        m_helloTime->setText(QStringLiteral("200"));
}

void TSTP_Info::refresh()
{
    refreshBinding(m_bridge);
    const bool mstp = mainWindowSaysMstp();
    if (mstp)
        refreshBinding(m_mstp);
    refreshBinding(m_state);
    helloTimeFor(mstp, false);
}

bool TSTP_Info::numbers(std::initializer_list<std::pair<QLineEdit *, int *>> edits)
{
    for (const auto &[edit, value] : edits) {
        bool ok = false;
        *value = edit->text().toInt(&ok);
        if (!ok) {
            showStatusText(QStringLiteral("'%1' is not a valid integer value").arg(edit->text()));
            return false;
        }
    }
    return true;
}

void TSTP_Info::set()
{
    auto *maxAge = control<QLineEdit>("ET_AgingTime");
    auto *forwardDelay = control<QLineEdit>("ET_ForwardDelay");
    auto *maxHops = control<QLineEdit>("ET_Priority");
    auto *lbdRecover = control<QLineEdit>("ET_LBDRecover");
    const auto empty = [](QLineEdit *e) { return e->text().isEmpty(); };
    if (!passes({{[&] { return empty(maxHops) || empty(maxAge) || empty(forwardDelay) || empty(lbdRecover); }, kEmpty}},
                Report::Status))
        return;
    int age = 0;
    int delay = 0;
    int hops = 0;
    int recover = 0;
    if (!numbers({{maxAge, &age}, {forwardDelay, &delay}, {maxHops, &hops}, {lbdRecover, &recover}}))
        return;
    if (!passes({{[&] { return age > 2 * delay - 200; }, kDataError},
                 {[&] { return hops > 65535; }, "Priority value is wrong!"},
                 {[&] { return recover != 0 && (recover < 60 || recover > 1000000); },
                  "LBD recover time should be equal to 0 or between 60-1000000!"}},
                Report::Status))
        return;

    const QString version = m_version->currentText();
    if (version == QLatin1String("mstp")) {
        // MSTP takes no Hello Time: the MSTP list carries the other eight.
        if (!guarded(m_bridge, [this] { m_bridge->collectValues(); }))
            return;
        for (const auto &[mstp, bridge] : kMstpFromBridge)
            m_mstp->varList().item(mstp).valueText = m_bridge->varList().item(bridge).valueText;
        write({.binding = m_mstp,
               .collect = false,
               .readBack = DedicatedWrite::ReadBack::Never,
               .succeeded = [this, version] { versionWritten(version); }});
        return;
    }
    if (!passes({{[&] { return empty(m_helloTime); }, kEmpty}}, Report::Status))
        return;
    int hello = 0;
    if (!numbers({{m_helloTime, &hello}}) || !passes({{[&] { return age < 2 * hello + 200; }, kDataError}}, Report::Status))
        return;
    write({.binding = m_bridge,
           .readBack = DedicatedWrite::ReadBack::Never,
           .succeeded = [this, version] { versionWritten(version); }});
}

void TSTP_Info::versionWritten(const QString &version)
{
    TMainWindowLink *window = mainWindow();
    const QString before = window ? window->stpVersionText() : QString();
    if (version != before && control<QLabel>("ST_StpState")->text() == QLatin1String("enabled")) {
        TProgressForm2 progress(this);
        progress.setWindowTitle(QStringLiteral("Set STP Progress"));
        progress.setPrompt(QStringLiteral("Change STP Version is doing..."));
        runModal(progress);
    }
    if (window)
        window->setStpVersionText(version);
}
