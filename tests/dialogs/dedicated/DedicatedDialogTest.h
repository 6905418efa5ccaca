#pragma once

// What the dedicated-dialog tests share: a simulator of the suite's own (the
// dialogs write), the session pointed at it, message boxes recorded, and the
// simulator's record of the last SET to check what a write carried.
#include "EnterpriseBase.h"
#include "common/CliResult.h"
#include "common/MessageRecorder.h"
#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPSession.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

class DedicatedDialogTest : public ::testing::Test
{
public:
    // A vendor object's instance, numeric.
    static QString vendor(const char *rest) { return QString::fromLatin1(EnterpriseBase) + QLatin1Char('.') + rest; }

protected:
    static void SetUpTestSuite() { s_sim = new SimulatorProcess; }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
    }

    void SetUp() override
    {
        if (!s_sim || !s_sim->running())
            GTEST_SKIP() << "no private simulator";
        initializeSession(m_counterDir.path());
        s_sim->useAsDefaultAgent();
    }

    template <typename Dialog>
    std::unique_ptr<Dialog> open(QWidget *owner = nullptr)
    {
        auto dialog = std::make_unique<Dialog>(owner);
        dialog->setMessages(boxes.messages());
        return dialog;
    }

    template <typename T>
    static T *find(const QWidget &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void click(const QWidget &dialog, const char *button) { find<QAbstractButton>(dialog, button)->click(); }
    static void type(const QWidget &dialog, const char *edit, const QString &text)
    {
        find<QLineEdit>(dialog, edit)->setText(text);
    }
    static void choose(const QWidget &dialog, const char *combo, const QString &text)
    {
        QComboBox *c = find<QComboBox>(dialog, combo);
        c->setCurrentIndex(c->findText(text));
    }
    static bool idle(QxSNMPRequest2Edits *binding)
    {
        return TestSupport::waitUntil([binding] { return binding && !binding->busy(); });
    }

    static QString value(const QString &oid) { return getValue(s_sim->target(), oid); }
    static int snmpset(const QStringList &bindings)
    {
        return runSnmp("snmpset", QStringList{"-v2c", "-c", "kdrwopl", s_sim->target()} + bindings).exitCode;
    }
    // Writes (or reads) below the prefix are answered with genErr until faultsCleared().
    static bool writesRefusedBelow(const QString &prefix) { return refusedBelow(prefix, "3"); }
    static bool readsRefusedBelow(const QString &prefix) { return refusedBelow(prefix, "2"); }
    static bool refusedBelow(const QString &prefix, const char *operations)
    {
        const QString row = QStringLiteral("1.3.6.1.3.2400.1.10.1.%1.1");
        return snmpset({row.arg(2), "o", prefix, row.arg(4), "i", operations, row.arg(5), "i", "4"}) == 0;
    }
    static void faultsCleared() { snmpset({"1.3.6.1.3.2400.1.9.0", "i", "2"}); }

    static SimulatorProcess *s_sim;
    MessageRecorder boxes;

private:
    QTemporaryDir m_counterDir;
};

inline SimulatorProcess *DedicatedDialogTest::s_sim = nullptr;
