#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxExpression.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"

#include <gtest/gtest.h>
#include "common/TestSupport.h"

namespace {

using TestSupport::codeOf;

TEST(QxExpressionArithmetic, OperatorsAssociateLeftToRight)
{
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("10-4-3"), 3);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("10-4+3"), 9);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("2+3*4"), 14);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("100/10/2"), 5);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("6/3*2"), 4);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("(1+2)*(3+4)"), 21);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("2-(1-3)"), 4);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("-5+2"), -3);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate("1e-5*100000"), 1);
    EXPECT_DOUBLE_EQ(QxExpression::evaluate(" 1.5 "), 1.5);
    EXPECT_NEAR(QxExpression::evaluate("now"), QxDateTimeDouble::now(), 0.001);
    EXPECT_EQ(codeOf([] { QxExpression::evaluate("abc"); }), -513);
    EXPECT_EQ(codeOf([] { QxExpression::evaluate(""); }), -513);
}

TEST(QxExpressionLogic, ConnectivesAndComparisons)
{
    EXPECT_TRUE(QxExpression::evaluateLogic("true"));
    EXPECT_FALSE(QxExpression::evaluateLogic("FALSE"));
    EXPECT_TRUE(QxExpression::evaluateLogic("false | true"));
    EXPECT_FALSE(QxExpression::evaluateLogic("true & false"));
    EXPECT_TRUE(QxExpression::evaluateLogic("!false"));
    EXPECT_TRUE(QxExpression::evaluateLogic("(1 = 2) | (3 <> 4)"));
    // Two numbers compare as numbers, texts as texts.
    EXPECT_TRUE(QxExpression::evaluateLogic("10 > 9"));
    EXPECT_TRUE(QxExpression::evaluateLogic("2.0 = 2"));
    EXPECT_TRUE(QxExpression::evaluateLogic("\"10\" < \"9\"") == false);
    EXPECT_TRUE(QxExpression::evaluateLogic("\"abc\" < \"abd\""));
    EXPECT_TRUE(QxExpression::evaluateLogic("\"B\" < \"a\""));
    EXPECT_TRUE(QxExpression::evaluateLogic("\"a|b\" = \"a|b\""));
    EXPECT_TRUE(QxExpression::evaluateLogic("\"x=1\" = \"x=1\""));
    EXPECT_TRUE(QxExpression::evaluateLogic("\"(\" = \"(\""));
    EXPECT_TRUE(QxExpression::evaluateLogic("NOW > 40000"));
    EXPECT_EQ(codeOf([] { QxExpression::evaluateLogic("maybe"); }), -1);
}

constexpr QxOptionPair kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QxOptionList stateOptions(kStates);

class DerivedValues : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto &list = request.varList();
        list.setItemType(SVT_SV);
        list.append("1.1", "Count", QxSyntax::integer, QxAccess::readonly);
        list.append("1.2", "State", QxSyntax::integer, QxAccess::readonly, &stateOptions);
        list.append("1.3", "Name", QxSyntax::displaystr, QxAccess::readonly);
        list.append("1.4", "Sum", QxSyntax::integer, QxAccess::derived, nullptr, "$0+$1-1");
        list.append("1.5", "Up", QxSyntax::timeticks, QxAccess::derived, nullptr, "$0*100");
        list.item(0).valueText = "7";
        list.item(1).valueText = "enabled";
        list.item(2).valueText = "$2 costs";
    }
    QxSNMPRequest request;
};

TEST_F(DerivedValues, SubstitutesRawValuesThroughOptionLists)
{
    EXPECT_EQ(request.substituteValues("$0-$1", '$', false), "7-3");
    EXPECT_EQ(request.substituteValues("$2", '$', true), "\"$2 costs\"");
    EXPECT_EQ(codeOf([&] { request.substituteValues("$2", '$', false); }), -513);
    EXPECT_EQ(codeOf([&] { request.substituteValues("$9", '$', false); }), -12);
    request.varList().item(0).valueText = "(NULL)";
    EXPECT_EQ(codeOf([&] { request.substituteValues("$0", '$', false); }), -512);
}

TEST_F(DerivedValues, ComputesAfterReadBySyntax)
{
    request.computeDerived(3, true);
    EXPECT_EQ(request.varList().item(3).valueText, "9");
    request.computeDerived(4, true);
    EXPECT_EQ(request.varList().item(4).valueText, "0:00:07.00");
    request.varList().item(3).readExpression = "$0/0";
    EXPECT_EQ(codeOf([&] { request.computeDerived(3, true); }), -518);
    // No expression: nothing changes.
    request.computeDerived(0, true);
    EXPECT_EQ(request.varList().item(0).valueText, "7");
}

TEST_F(DerivedValues, ConditionsQuoteTexts)
{
    EXPECT_TRUE(request.evaluateCondition(""));
    EXPECT_TRUE(request.evaluateCondition("$0 > 6 & $1 = 3"));
    EXPECT_FALSE(request.evaluateCondition("$0 > 10"));
    // A value that holds the marker is data, not another reference.
    EXPECT_TRUE(request.evaluateCondition("$2 <> \"\""));
    EXPECT_EQ(request.substituteValues("$2$0", '$', true), "\"$2 costs\"7");
}

} // namespace
