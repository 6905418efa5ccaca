#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPVarList.h"

#include "EnterpriseBase.h"

#include <gtest/gtest.h>

namespace {

constexpr QxOptionPair kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QxOptionList stateOptions(kStates);

constexpr QxSNMPVarItem kPortTable[] = {
    {"EnterpriseBase.11.63.7.2.1.1", "Port Index", QxSyntax::integer, QxAccess::readonly},
    {"EnterpriseBase.11.63.7.2.1.2", "Medium Type", QxSyntax::integer, QxAccess::notaccess},
    {"EnterpriseBase.11.63.7.2.1.3", "State", QxSyntax::integer, QxAccess::readwrite, &stateOptions},
    {"EnterpriseBase.11.63.7.2.1.4", "Secret", QxSyntax::displaystr, QxAccess::writeonly},
    {"1.3.6.1.2.1.1.5", "Name", QxSyntax::displaystr, QxAccess::readwrite | QxAccess::hidden},
    {},
};

constexpr QxSNMPVarItem kEmpty[] = {{}};

TEST(QxSNMPVarListTest, CopiesStaticArrayUpToTerminatorAndExpandsEnterpriseBase)
{
    QxSNMPVarList list(kPortTable, MVT_UMV, 2);
    ASSERT_EQ(list.count(), 5);
    EXPECT_EQ(list.item(0).oid, QString::fromLatin1(EnterpriseBase) + ".11.63.7.2.1.1");
    EXPECT_EQ(list.item(4).oid, "1.3.6.1.2.1.1.5");
    EXPECT_EQ(list.item(2).optionList, &stateOptions);
    EXPECT_TRUE(list.item(0).valueText.isEmpty());
    EXPECT_EQ(list.keyCount(), 2);
    EXPECT_EQ(list.itemType(), MVT_UMV);

    QxSNMPVarList empty(kEmpty, SVT_SV, 0);
    EXPECT_EQ(empty.count(), 0);
    list.append(kEmpty);
    EXPECT_EQ(list.count(), 5);
}

TEST(QxSNMPVarListTest, CopyKeepsValuesButNotTheInstanceSuffix)
{
    QxSNMPVarList list(kPortTable, MVT_UMV, 2);
    list.setInstanceSuffix("7");
    list.setListName(" ports");
    list.item(2).valueText = "enabled";
    list.item(2).instanceOid = "1.2.3";
    QxSNMPVarList copy(list);
    EXPECT_TRUE(copy.instanceSuffix().isEmpty());
    EXPECT_EQ(copy.item(2).valueText, "enabled");
    EXPECT_EQ(copy.item(2).instanceOid, "1.2.3");
    EXPECT_EQ(copy.listName(), " ports");

    QxSNMPVarList target;
    target.setInstanceSuffix("9");
    target = list;
    EXPECT_EQ(target.instanceSuffix(), "9");
    EXPECT_EQ(target.count(), 5);
    EXPECT_EQ(target.baseOid(4), "1.3.6.1.2.1.1.5.9");
}

TEST(QxSNMPVarListTest, DerivedTests)
{
    QxSNMPVarList list(kPortTable, MVT_UMV, 2);
    EXPECT_TRUE(list.isReadable(0));
    EXPECT_FALSE(list.isReadable(1));
    EXPECT_FALSE(list.isReadable(3));
    // Key columns of a table count as writable although the engine never sends them.
    EXPECT_TRUE(list.isWritable(1));
    EXPECT_TRUE(list.isWritable(3));
    EXPECT_TRUE(list.isVisible(1));
    EXPECT_FALSE(list.isVisible(3));
    EXPECT_FALSE(list.isVisible(4));
    EXPECT_TRUE(list.isInHiddenGroup(3));
    EXPECT_TRUE(list.isInHiddenGroup(4));
    EXPECT_EQ(list.visibleCount(), 3);
    EXPECT_EQ(list.hiddenGroupCount(), 2);

    list.item(2).setFlag(QxAccess::invalid, true);
    EXPECT_FALSE(list.isReadable(2));
    EXPECT_FALSE(list.isWritable(2));
    EXPECT_FALSE(list.isVisible(2));
    EXPECT_TRUE(list.isInHiddenGroup(2));

    QxSNMPVarList scalars(kPortTable, SVT_SV, 2);
    EXPECT_FALSE(scalars.isWritable(1));
}

TEST(QxSNMPVarListTest, AppendPartsAndPrefix)
{
    QxSNMPVarList list;
    list.append("EnterpriseBase.1", "One", QxSyntax::integer, QxAccess::readonly, nullptr, "", "$0+1");
    list.prefixOids("5.6");
    EXPECT_EQ(list.item(0).oid, QString::fromLatin1(EnterpriseBase) + ".1.5.6");
    EXPECT_TRUE(list.item(0).readExpression.isEmpty());
    EXPECT_EQ(list.item(0).writeExpression, "$0+1");
}

TEST(QxSNMPVarListTest, OwnedOptionListsLiveAsLongAsAnyCopy)
{
    QxSNMPVarList copy;
    {
        QxSNMPVarList list;
        auto options = std::make_unique<QxOptionList>(kStates);
        const QxOptionList *raw = options.get();
        list.adoptOptionList(std::move(options));
        list.append("1.2", "x", QxSyntax::integer, QxAccess::readonly, raw);
        copy = QxSNMPVarList(list);
    }
    EXPECT_EQ(copy.item(0).optionList->valueToText("3"), "enabled");
}

TEST(QxOptionListTest, IntegerListPassesUnknownTextsThrough)
{
    EXPECT_EQ(stateOptions.valueToText("(NULL)"), "(NULL)");
    EXPECT_EQ(stateOptions.valueToText("abc"), "abc");
    EXPECT_EQ(stateOptions.findByValue("(NULL)"), -1);
    EXPECT_EQ(stateOptions.valueToText("3"), "enabled");
    EXPECT_EQ(stateOptions.textToValue("ENABLED"), "3");
    EXPECT_EQ(stateOptions.textToValue("17"), "17");
    EXPECT_EQ(stateOptions.selectionIndex("enabled"), 1);
    EXPECT_EQ(stateOptions.selectionIndex("3"), 1);
    EXPECT_EQ(stateOptions.selectionIndex("4"), -1);
    EXPECT_EQ(stateOptions.texts(), QStringList({"disabled", "enabled"}));
}

TEST(QxOptionListTest, StringAndPrefixLists)
{
    constexpr QxOptionStringPair protocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"40", "Redundant Power"}, {}};
    QxOptionList strings(protocols, QxOptionList::StringValues);
    EXPECT_EQ(strings.valueToText("1.3.6.1.6.3.10.1.1.1"), "None");
    EXPECT_EQ(strings.textToValue("none"), "1.3.6.1.6.3.10.1.1.1");
    EXPECT_EQ(strings.valueToText("1.3.6.1.6.3.10.1.1.1.5"), "1.3.6.1.6.3.10.1.1.1.5");

    constexpr QxOptionStringPair prefixes[] = {{"1.3.6.1.2.1", "mib-2"}, {}};
    QxOptionList prefix(prefixes, QxOptionList::StringPrefixes);
    EXPECT_EQ(prefix.valueToText("1.3.6.1.2.1.5"), "mib-2.5");
    EXPECT_EQ(prefix.textToValue("mib-2.5"), "1.3.6.1.2.1.5");
    EXPECT_EQ(prefix.textToValue("MIB-2.5"), "1.3.6.1.2.1.5");
    EXPECT_EQ(prefix.valueToText("1.3.6.1.4"), "1.3.6.1.4");
    EXPECT_EQ(prefix.textToValue("other"), "other");

    QxOptionList sensitive(protocols, QxOptionList::StringValues, true);
    EXPECT_EQ(sensitive.findByText("none"), -1);
    EXPECT_EQ(sensitive.findByText("None"), 0);
}

} // namespace

namespace {

TEST(QxSNMPVarListTest, AssigningATemporaryKeepsTheInstanceSuffix)
{
    QxSNMPVarList list;
    list.setInstanceSuffix("3");
    list = QxSNMPVarList(kPortTable, MVT_SV, 0);
    EXPECT_EQ(list.instanceSuffix(), "3");
    EXPECT_EQ(list.count(), 5);
}

} // namespace
