#include "binding/QxListView.h"
#include "binding/QxRadioGroup.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "common/TestSupport.h"

namespace {

using TestSupport::codeOf;

constexpr QxOptionPair kAdminPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
constexpr QxOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QxOptionList kAdmin(kAdminPairs);
const QxOptionList kState(kStatePairs);

constexpr QxSNMPVarItem kPortVars[] = {
    {"1.3.6.1.4.1.32473.1.1", "Ports", QxSyntax::octetstr, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.2", "Admin", QxSyntax::integer, QxAccess::readwrite, &kAdmin},
    {"1.3.6.1.4.1.32473.1.3", "State", QxSyntax::integer, QxAccess::readwrite, &kState},
    {"1.3.6.1.4.1.32473.1.4", "Flag", QxSyntax::boolean, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.5", "Count", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.6", "Name", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.4.1.32473.1.7", "Address", QxSyntax::ipaddress, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.8", "MAC", QxSyntax::macaddress, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.9", "Up", QxSyntax::timeticks, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.10", "Clock", QxSyntax::datetime, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.11", "Key", QxSyntax::octetstr, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.1.12", "Object", QxSyntax::objectid, QxAccess::readwrite},
    {},
};

enum { Ports, Admin, State, Flag, Count, Name, Address, Mac, Up, Clock, Key, Object };

// A table of two keys, a hidden write-only column, two visible columns.
constexpr QxSNMPVarItem kTable[] = {
    {"1.3.6.1.4.1.32473.2.1.1", "Port", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.4.1.32473.2.1.2", "Vlan", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.4.1.32473.2.1.3", "Secret", QxSyntax::displaystr, QxAccess::writeonly},
    {"1.3.6.1.4.1.32473.2.1.4", "Admin", QxSyntax::integer, QxAccess::readwrite, &kAdmin},
    {"1.3.6.1.4.1.32473.2.1.5", "Description", QxSyntax::displaystr, QxAccess::readwrite},
    {},
};

QString bitListTo(int count)
{
    QStringList n;
    for (int i = 0; i < count; ++i)
        n << QString::number(i);
    return n.join(',');
}

class Bindings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        edits = std::make_unique<QxSNMPRequest2Edits>(&window);
        edits->varList() = QxSNMPVarList(kPortVars, SVT_SV, 0);
        // A failed exit check must not open a box in a test.
        edits->constraint().setMessagePresenter([](QWidget *, const QString &) {});
        edits->setMessagePresenter([this](QWidget *, const QString &text) { messages << text; });
    }

    QString &value(int i) { return edits->varList().item(i).valueText; }

    QList<QCheckBox *> boxes(int count)
    {
        QList<QCheckBox *> list;
        for (int i = 0; i < count; ++i)
            list << new QCheckBox(&window);
        return list;
    }

    QList<QLineEdit *> lineEdits(int count)
    {
        QList<QLineEdit *> list;
        for (int i = 0; i < count; ++i)
            list << new QLineEdit(&window);
        return list;
    }

    QWidget window;
    std::unique_ptr<QxSNMPRequest2Edits> edits;
    QStringList messages;
};

TEST_F(Bindings, PortListOfFourOctetsShowsInSixtyFourBoxes)
{
    const QList<QCheckBox *> b = boxes(64);
    edits->bindBitList(Ports, bitListTo(64), b);
    for (QCheckBox *box : b)
        box->setChecked(true);
    value(Ports) = "80000001";
    EXPECT_EQ(codeOf([&] { edits->showValues(); }), 0);
    for (int k = 0; k < 64; ++k)
        EXPECT_EQ(b[k]->isChecked(), k == 0 || k == 31) << k;
}

TEST_F(Bindings, CollectingBitsCoversTheHighestBoundBitAndKeepsLaterOctets)
{
    const QList<QCheckBox *> b = boxes(64);
    edits->bindBitList(Ports, bitListTo(64), b);
    b[0]->setChecked(true);
    b[9]->setChecked(true);
    value(Ports) = "80000001";
    edits->collectValues(QxSNMPRequest2Edits::AllVariables);
    EXPECT_EQ(value(Ports), "8040000000000000");

    // Octets beyond the bound bits keep their value.
    value(Ports) = "FFFFFFFFFFFFFFFFAB";
    edits->collectValues(Ports);
    EXPECT_EQ(value(Ports), "8040000000000000AB");
}

TEST_F(Bindings, BitsBindOnlyWithEnoughPositions)
{
    EXPECT_EQ(codeOf([&] { edits->bindBitList(Ports, "0,1", boxes(3)); }), -522);
    // bindBits takes at most eight boxes.
    const QList<QCheckBox *> b = boxes(9);
    edits->bindBits(Ports, bitListTo(9), b);
    value(Ports) = "FF80";
    edits->showValues(Ports);
    EXPECT_TRUE(b[7]->isChecked());
    EXPECT_FALSE(b[8]->isChecked());
}

TEST_F(Bindings, ComboBoxShowsAndCollectsThroughTheOptionList)
{
    auto *combo = new QComboBox(&window);
    combo->setEditable(true);
    edits->bindDropDownList(Admin, combo);
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "disabled");

    value(Admin) = "enabled";
    edits->showValues(Admin);
    EXPECT_EQ(combo->currentIndex(), 1);
    value(Admin) = "2"; // a raw value selects too
    edits->showValues(Admin);
    EXPECT_EQ(combo->currentIndex(), 0);

    combo->setCurrentIndex(1);
    edits->collectValues(Admin);
    EXPECT_EQ(value(Admin), "enabled");
    EXPECT_EQ(kAdmin.textToValue(value(Admin)), "3");

    edits->enableControls(false);
    EXPECT_FALSE(combo->isEnabled());
    edits->enableControls(true);
    EXPECT_TRUE(combo->isEnabled());
}

TEST_F(Bindings, ChoiceControlsNeedAnOptionList)
{
    EXPECT_EQ(codeOf([&] { edits->bindControl(Count, new QComboBox(&window)); }), -520);
    EXPECT_EQ(codeOf([&] { edits->bindControl(Count, new QxRadioGroup(&window)); }), -520);
    EXPECT_FALSE(edits->isBound(Count));
    EXPECT_EQ(codeOf([&] { edits->bindControl(99, new QLabel(&window)); }), -12);
}

TEST_F(Bindings, SingleCheckBoxFollowsItemPositionOfTheOptionList)
{
    auto *box = new QCheckBox(&window);
    edits->bindControl(State, box);
    value(State) = "disabled"; // item 1
    edits->showValues();
    EXPECT_TRUE(box->isChecked());
    value(State) = "1";
    edits->showValues();
    EXPECT_FALSE(box->isChecked());

    box->setChecked(false);
    edits->collectValues(State);
    EXPECT_EQ(value(State), "enabled");
    EXPECT_EQ(kState.textToValue(value(State)), "1");
    box->setChecked(true);
    edits->collectValues(State);
    EXPECT_EQ(value(State), "disabled");
}

TEST_F(Bindings, SingleCheckBoxWithoutOptionsNeedsABooleanSyntax)
{
    auto *flag = new QCheckBox(&window);
    edits->bindControl(Flag, flag);
    value(Flag) = "true";
    edits->showValues(Flag);
    EXPECT_TRUE(flag->isChecked());
    flag->setChecked(false);
    edits->collectValues(Flag);
    EXPECT_EQ(value(Flag), "false");

    edits->bindControl(Count, new QCheckBox(&window));
    value(Count) = "1";
    EXPECT_EQ(codeOf([&] { edits->showValues(Count); }), -517);
    EXPECT_EQ(codeOf([&] { edits->collectValues(Count); }), -517);
}

TEST_F(Bindings, RadioGroupsSelectByTheOptionList)
{
    auto *radio = new QxRadioGroup(&window);
    edits->bindControl(Admin, radio);
    EXPECT_EQ(radio->items(), QStringList({"disabled", "enabled"}));
    value(Admin) = "enabled";
    edits->showValues();
    EXPECT_EQ(radio->itemIndex(), 1);
    value(Admin) = "7"; // no such item: nothing selected
    edits->showValues();
    EXPECT_EQ(radio->itemIndex(), -1);
    radio->setItemIndex(0);
    edits->collectValues(Admin);
    EXPECT_EQ(value(Admin), "disabled");

    // A button group of existing buttons serves as well.
    QButtonGroup group;
    auto *a = new QRadioButton(&window);
    auto *b = new QRadioButton(&window);
    group.addButton(a);
    group.addButton(b);
    edits->bindControl(State, &group);
    EXPECT_EQ(b->text(), "disabled");
    value(State) = "disabled";
    edits->showValues(State);
    EXPECT_TRUE(b->isChecked());
    a->setChecked(true);
    edits->collectValues(State);
    EXPECT_EQ(value(State), "enabled");
}

TEST_F(Bindings, ReadOnlyVariableOnALabelIsShownAndNeverCollected)
{
    auto *label = new QLabel(&window);
    edits->bindControl(Name, label);
    value(Name) = "switch-7";
    edits->showValues();
    EXPECT_EQ(label->text(), "switch-7");
    label->setText("changed");
    edits->collectValues(QxSNMPRequest2Edits::AllVariables);
    EXPECT_EQ(value(Name), "switch-7");
}

TEST_F(Bindings, UnboundWritableVariableKeepsItsValueWhenCollecting)
{
    auto *edit = new QLineEdit(&window);
    edits->bindFormatted(Count, "%i{n0x100}", edit);
    value(Count) = "5";
    value(Admin) = "enabled"; // read, not bound
    edits->showValues();
    edit->setText("42");
    edits->collectValues(); // the apply hook
    EXPECT_EQ(value(Count), "42");
    EXPECT_EQ(value(Admin), "enabled");
}

TEST_F(Bindings, FormattedEditsGetTheirConstraints)
{
    auto *edit = new QLineEdit(&window);
    edits->bindFormatted(Count, "%i{n1x4094l4}", edit);
    ASSERT_TRUE(edits->constraint().isRegistered(edit));
    EXPECT_EQ(edits->constraint().format(edit)->maximum(), 4094);
    value(Count) = "12";
    edits->showValues();
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(edits->constraint().lastAccepted(edit), "12");

    EXPECT_EQ(codeOf([&] { edits->bindFormatted(Address, "%i%i%i%i", lineEdits(3)); }), -522);
    EXPECT_EQ(codeOf([&] { edits->bindFormatted(Address, "%q", lineEdits(1)); }), -2);
}

TEST_F(Bindings, UnbindingGivesTheControlsTheirOwnHandlersBack)
{
    auto *box = new QCheckBox(&window);
    auto *edit = new QLineEdit(&window);
    int ownClicks = 0;
    QObject::connect(box, &QCheckBox::clicked, [&] { ++ownClicks; });
    int changes = 0;
    QObject::connect(edits.get(), &QxSNMPRequest2Edits::controlChanged, [&](int position) {
        EXPECT_EQ(position, State);
        ++changes;
    });
    edits->bindControl(State, box);
    edits->bindFormatted(State, "%s{l8}", edit);
    box->click();
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(changes, 1);

    edits->unbindVariable(State);
    EXPECT_FALSE(edits->isBound(State));
    EXPECT_FALSE(edits->constraint().isRegistered(edit));
    box->click();
    EXPECT_EQ(ownClicks, 2);
    EXPECT_EQ(changes, 1);
    value(State) = "disabled";
    box->setChecked(false);
    edits->showValues();
    EXPECT_FALSE(box->isChecked());
}

TEST_F(Bindings, SeveralEditsShowAndCollectFieldsBySyntax)
{
    const QList<QLineEdit *> ip = lineEdits(4);
    edits->bindFormatted(Address, "%i{x255}%i{x255}%i{x255}%i{x255}", ip);
    value(Address) = "10.1.2.254";
    edits->showValues();
    EXPECT_EQ(ip[3]->text(), "254");
    ip[0]->setText("192");
    edits->collectValues(Address);
    EXPECT_EQ(value(Address), "192.1.2.254");
    value(Address) = "(NULL)";
    edits->showValues(Address);
    EXPECT_EQ(ip[0]->text(), "192"); // no value: the edits stay

    const QList<QLineEdit *> mac = lineEdits(6);
    edits->bindFormatted(Mac, "%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}", mac);
    value(Mac) = "0011223344AB";
    edits->showValues(Mac);
    EXPECT_EQ(mac[5]->text(), "AB");
    mac[0]->setText("");
    mac[1]->setText("7");
    edits->collectValues(Mac);
    EXPECT_EQ(value(Mac), "0007223344AB");

    const QList<QLineEdit *> up = lineEdits(5);
    edits->bindFormatted(Up, "%u%u%u%u%u", up);
    value(Up) = "2 days, 3:04:05.06";
    edits->showValues(Up);
    EXPECT_EQ(up[0]->text(), "2");
    EXPECT_EQ(up[4]->text(), "6");
    up[0]->setText("1");
    edits->collectValues(Up);
    EXPECT_EQ(value(Up), "1 day 3:04:05.06");

    const QList<QLineEdit *> clock = lineEdits(10);
    edits->bindFormatted(Clock, "%u%u%u%u%u%u%u%s%u%u", clock);
    value(Clock) = "2008-12-15,10:30:0.0,+8:0";
    edits->showValues(Clock);
    EXPECT_EQ(clock[0]->text(), "2008");
    EXPECT_EQ(clock[7]->text(), "+");
    EXPECT_EQ(clock[8]->text(), "8");
    clock[4]->setText("45");
    edits->collectValues(Clock);
    EXPECT_EQ(value(Clock), "2008-12-15,10:45:0.0,+8:0");

    const QList<QLineEdit *> oid = lineEdits(3);
    edits->bindFormatted(Object, "%u%u%u", oid);
    value(Object) = "1.3.6.1";
    EXPECT_EQ(codeOf([&] { edits->showValues(Object); }), -522);
    value(Object) = "1.3.6";
    edits->showValues(Object);
    EXPECT_EQ(oid[2]->text(), "6");
    oid[2]->setText("9");
    edits->collectValues(Object);
    EXPECT_EQ(value(Object), "1.3.9");
}

TEST_F(Bindings, OctetEditsNeedOneEditPerOctet)
{
    const QList<QLineEdit *> key = lineEdits(3);
    edits->bindFormatted(Key, "%h%h%h", key);
    value(Key) = "0A0B0C0D";
    EXPECT_EQ(codeOf([&] { edits->showValues(Key); }), -522);
    value(Key) = "0A";
    edits->showValues(Key);
    EXPECT_EQ(key[0]->text(), "0A");
    EXPECT_EQ(key[1]->text(), "");
    edits->collectValues(Key);
    EXPECT_EQ(value(Key), "0A0000");
}

TEST_F(Bindings, AnEmptyOctetStringStaysEmptyWhenCollected)
{
    auto *edit = new QLineEdit(&window);
    edits->bindControl(Key, edit);
    value(Key) = "";
    edits->showValues();
    edits->collectValues(Key);
    EXPECT_EQ(value(Key), "");
    // A shorter text replaces the value instead of keeping the old tail.
    value(Key) = "AABBCC";
    edit->setText("11");
    edits->collectValues(Key);
    EXPECT_EQ(value(Key), "11");
}

TEST_F(Bindings, AnEmptyEditGivesAnEmptyTextNotZero)
{
    auto *edit = new QLineEdit(&window);
    edits->bindFormatted(Count, "%i", edit);
    value(Count) = "5";
    edit->setText("");
    edits->collectValues(Count);
    EXPECT_EQ(value(Count), "");
    edit->setText("007");
    edits->collectValues(Count);
    EXPECT_EQ(value(Count), "7");
}

TEST_F(Bindings, PrefixChoiceNeedsASecondControlForTheRest)
{
    static const QxOptionStringPair pairs[] = {{"1.3.6.1.4.1", "enterprises"}, {"1.3.6.1.2.1", "mib-2"}, {}};
    static const QxOptionList prefixes(pairs, QxOptionList::StringPrefixes);
    edits->varList().append("1.3.6.1.4.1.32473.1.13", "Where", QxSyntax::objectid, QxAccess::readwrite, &prefixes);
    const int where = edits->varList().count() - 1;

    auto *combo = new QComboBox(&window);
    EXPECT_EQ(codeOf([&] { edits->bindControl(where, combo); }), -522);
    auto *rest = new QLineEdit(&window);
    edits->bindDropDownList(where, combo, rest);
    value(where) = "enterprises.9.1";
    edits->showValues(where);
    EXPECT_EQ(combo->currentText(), "enterprises");
    EXPECT_EQ(rest->text(), "9.1");

    combo->setCurrentIndex(1);
    rest->setText("2.1");
    edits->collectValues(where);
    EXPECT_EQ(value(where), "mib-2.2.1");
    EXPECT_EQ(prefixes.textToValue(value(where)), "1.3.6.1.2.1.2.1");
}

TEST_F(Bindings, UnsupportedControlsFailWhenShownOrCollected)
{
    auto *slider = new QWidget(&window);
    edits->bindControl(Count, slider);
    value(Count) = "3";
    EXPECT_EQ(codeOf([&] { edits->showValues(); }), -521);
    EXPECT_EQ(codeOf([&] { edits->collectValues(Count); }), -521);
}

class ListViewBindings : public Bindings
{
protected:
    void SetUp() override
    {
        Bindings::SetUp();
        edits->varList() = QxSNMPVarList(kTable, MVT_FMV, 2);
        view = new QxListView(&window);
        admin = new QComboBox(&window);
        description = new QLineEdit(&window);
        edits->bindDropDownList(3, admin);
        edits->bindFormatted(4, "%s{l32}", description);
        edits->bindListView(view, true);
    }

    // Runs the read hooks as a walk of the given rows would.
    void walk(const QList<QStringList> &rows)
    {
        edits->beforeRead();
        for (const QStringList &row : rows) {
            for (int i = 0; i < row.size(); ++i)
                value(i) = row[i];
            edits->rowRead();
        }
        edits->afterRead();
    }

    QxListView *view = nullptr;
    QComboBox *admin = nullptr;
    QLineEdit *description = nullptr;
};

TEST_F(ListViewBindings, ColumnsPutTheHiddenGroupFirstWithWidthZero)
{
    ASSERT_EQ(view->columnCount(), 5);
    EXPECT_EQ(view->headerItem()->text(0), "Secret");
    EXPECT_EQ(view->columnWidth(0), 0);
    EXPECT_EQ(view->headerItem()->text(1), "Port");
    EXPECT_EQ(view->headerItem()->text(4), "Description");
    EXPECT_GT(view->columnWidth(1), 0);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(view->gridLines());
}

TEST_F(ListViewBindings, ReadOnlyTableKeepsControlsDisabledUntilARowIsSelected)
{
    walk({{"1", "10", "x", "enabled", "uplink"}, {"2", "20", "y", "disabled", "server"}});
    ASSERT_EQ(view->topLevelItemCount(), 2);
    EXPECT_EQ(view->topLevelItem(1)->text(0), "y");
    EXPECT_EQ(view->topLevelItem(1)->text(4), "server");
    EXPECT_FALSE(admin->isEnabled());
    EXPECT_FALSE(description->isEnabled());

    view->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(admin->isEnabled());
    EXPECT_TRUE(description->isEnabled());
    EXPECT_EQ(description->text(), "uplink");
    EXPECT_EQ(admin->currentText(), "enabled");
    EXPECT_EQ(value(0), "1");

    // A new read replaces the rows and disables the controls again.
    walk({{"3", "30", "z", "enabled", "only"}});
    EXPECT_EQ(view->topLevelItemCount(), 1);
    EXPECT_FALSE(admin->isEnabled());
}

TEST_F(ListViewBindings, ApplyTakesTheSelectedRowAndTheControlsWin)
{
    walk({{"1", "10", "x", "enabled", "uplink"}, {"2", "20", "y", "disabled", "server"}});
    view->topLevelItem(1)->setSelected(true);
    description->setText("edited");
    // A write marks columns invalid for one apply: the row still maps by the
    // columns the rows were laid out with.
    edits->varList().item(1).setFlag(QxAccess::invalid, true);
    edits->collectValues();
    EXPECT_EQ(value(0), "2");
    EXPECT_EQ(value(2), "y");
    EXPECT_EQ(value(4), "edited");
    EXPECT_EQ(value(3), "disabled");
}

TEST_F(ListViewBindings, WithoutASelectedRowATableWriteHasNoRowIndex)
{
    walk({{"1", "10", "x", "enabled", "uplink"}});
    view->clearSelection();
    edits->collectValues();
    EXPECT_EQ(value(0), "");
    // Refused before anything is sent (no agent is needed to see it).
    edits->setAsynchronous(false);
    EXPECT_EQ(codeOf([&] { edits->apply(false, true); }), -514);
    EXPECT_FALSE(edits->busy());
}

TEST_F(ListViewBindings, AnEmptyKeyEditIsNoRowIndex)
{
    auto *port = new QLineEdit(&window);
    edits->bindFormatted(0, "%i", port);
    edits->setAsynchronous(false);
    edits->varList().item(0).valueText = "4";
    port->clear();
    EXPECT_EQ(codeOf([&] { edits->apply(false, true); }), -514);
    // The refused apply leaves the value texts as they were.
    EXPECT_EQ(value(0), "4");
}

TEST_F(ListViewBindings, ListViewsThatAreNotOursAreMadeReportStyle)
{
    QTreeWidget plain(&window);
    plain.setColumnCount(9); // enough columns: they stay as they are
    plain.setHeaderLabels({"a", "b", "c", "d", "e", "f", "g", "h", "i"});
    edits->bindListView(&plain, false);
    EXPECT_EQ(plain.columnCount(), 9);
    EXPECT_EQ(plain.headerItem()->text(0), "a");
    EXPECT_FALSE(plain.rootIsDecorated());
    walk({{"1", "10", "x", "enabled", "uplink"}});
    EXPECT_TRUE(admin->isEnabled()); // enableOnSelect off
    EXPECT_EQ(plain.topLevelItem(0)->text(1), "1");
}

} // namespace

namespace {

// A cell the row does not have reads "(NULL)": the controls that show it give
// no value back unless the user sets one, whatever kind they are.
TEST_F(Bindings, AVariableWithoutAValueIsTakenOnlyWhenTheUserSetsOne)
{
    auto *combo = new QComboBox(&window);
    auto *flag = new QCheckBox(&window);
    const QList<QCheckBox *> ports = boxes(8);
    auto *count = new QLineEdit(&window);
    edits->bindDropDownList(Admin, combo);
    edits->bindControl(Flag, flag);
    edits->bindBitList(Ports, bitListTo(8), ports);
    edits->bindFormatted(Count, "%s", count);
    for (int i : {Ports, Admin, Flag, Count})
        value(i) = "(NULL)";
    edits->showValues();
    edits->collectValues();
    for (int i : {Ports, Admin, Flag, Count}) {
        EXPECT_TRUE(edits->leftUnset(i)) << i;
        EXPECT_EQ(value(i), "(NULL)") << i;
    }

    combo->setCurrentIndex(1);
    ports[0]->setChecked(true);
    count->setText("7");
    edits->collectValues();
    EXPECT_EQ(value(Admin), "enabled");
    EXPECT_EQ(value(Ports), "80");
    EXPECT_EQ(value(Count), "7");
    EXPECT_EQ(value(Flag), "(NULL)");
}

} // namespace
