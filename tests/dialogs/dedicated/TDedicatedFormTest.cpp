// What the dedicated base gives every dialog beyond what the dialogs' own
// tests show: check-and-set rows, and a sub-dialog on its parent's binding.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/dedicated/TDedicatedForm.h"

#include "binding/QxBusyCursor.h"
#include "snmp/QxSNMPEventPump.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

constexpr QxSNMPVarItem kPorts[] = {
    {"EnterpriseBase.12.1.2.5", "Telnet Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.9", "Web Port", S::integer, A::readwrite, nullptr},
    {},
};
const QxDescriptorTable kPortsTable{kPorts, SVT_SV, 0, " Ports"};

class PortsForm final : public TDedicatedForm
{
public:
    explicit PortsForm(QWidget *parent) : TDedicatedForm(parent, {.caption = "Ports"})
    {
        runCreation([this] {
            ports = &addBinding(kPortsTable, {.synchronous = true});
            telnet = addCheckedField(*ports, {0, "edtTelnet", nullptr, DedicatedField::Edit, "%i{n1x65535}"},
                                     "CheckBox1", "Telnet Port");
            web = addCheckedField(*ports, {1, "edtWeb", nullptr, DedicatedField::Edit, "%i{n1x65535}"}, "CheckBox2",
                                  "Web Port");
            refreshBinding(ports);
        });
    }
    void setChecked() { write({.binding = ports, .tickedOnly = true, .readBack = DedicatedWrite::ReadBack::Always}); }
    using TDedicatedForm::addButton;
    using TDedicatedForm::checkAllRows;

    QPointer<QxSNMPRequest2Edits> ports;
    QCheckBox *telnet = nullptr;
    QCheckBox *web = nullptr;
};

// An edit window on its parent's binding: it owns no binding of its own.
class PortSubForm final : public TDedicatedForm
{
public:
    PortSubForm(QWidget *parent, QxSNMPRequest2Edits &parentBinding)
        : TDedicatedForm(parent, {.caption = "Port", .status = StatusOutput::None})
    {
        constexpr DedicatedField kWeb[] = {{1, "edtSubWeb", "Web Port", DedicatedField::Edit, "%i{n1x65535}"}};
        addFields(parentBinding, kWeb);
    }
};

using DedicatedForms = DedicatedDialogTest;

TEST_F(DedicatedForms, CheckAndSetRowsWriteTheTickedRowsOnly)
{
    PortsForm form(nullptr);
    type(form, "edtTelnet", "2323");
    type(form, "edtWeb", "8080");
    form.telnet->setChecked(true);
    form.setChecked();
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("12.1.2.5.0") + "=2|2323"});
    EXPECT_EQ(form.ports->varList().item(1).access, quint32(QxAccess::readwrite));
    // Read again: the web port the user typed was not written.
    EXPECT_EQ(find<QLineEdit>(form, "edtWeb")->text(), "80");
    form.checkAllRows(true);
    EXPECT_TRUE(form.web->isChecked());
    type(form, "edtTelnet", "23");
    form.setChecked();
    EXPECT_EQ(s_sim->lastSet().size(), 2);

    // A sub-dialog shows and edits through the parent's binding, and closing
    // it leaves that binding to the parent.
    {
        PortSubForm sub(&form, *form.ports);
        form.ports->showValues();
        EXPECT_EQ(find<QLineEdit>(sub, "edtSubWeb")->text(), "80");
        EXPECT_EQ(sub.bindingCount(), 0);
        sub.reject();
    }
    ASSERT_FALSE(form.ports.isNull());
    EXPECT_NO_THROW(form.ports->showValues());
}

// A synchronous write to an agent that does not answer: the window's timers
// go on and the wait cursor shows while it waits, and a click that comes
// meanwhile runs once the first write is over, once, not inside it.
TEST_F(DedicatedForms, ASynchronousWriteWaitsWithoutFreezingOrRunningAClickInside)
{
    PortsForm form(nullptr);
    form.show();
    QStringList log;
    form.addButton("Set", "btnSet", [&] {
        log << "begin";
        form.setChecked();
        log << "end";
    });
    const SimulatorProcess silent({"--drop", "100"}, false);
    form.ports->request().device.port = silent.port();
    form.ports->request().timeout = 30;
    form.ports->request().retries = 0;
    form.telnet->setChecked(true);

    const QxBusyCursor cursor(*SnmpEventProcessor());
    int ticks = 0;
    bool cursorShown = false;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        cursorShown = cursorShown || QApplication::overrideCursor();
    });
    ticker.start(10);
    QTimer::singleShot(100, &form, [&] { click(form, "btnSet"); });
    click(form, "btnSet");

    EXPECT_EQ(log, QStringList({"begin", "end", "begin", "end"}));
    EXPECT_GE(ticks, 20); // two waits of 0.3 s
    EXPECT_TRUE(cursorShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(form.Memo1()->toPlainText().contains("(SNMPClass) SNMP request timed out!"));
    EXPECT_EQ(find<QLineEdit>(form, "edtTelnet")->text(), "23"); // as read, nothing lost
}

} // namespace
