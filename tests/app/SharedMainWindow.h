#pragma once

// A main window opened on the shared simulator, as the host suite starts the
// module (SNMPv1, the test communities), once for a whole test suite: the
// suites that open every command of the catalogue through it derive from this.
#include "common/TestAgents.h"

#include "app/ModuleFolder.h"
#include "app/TMainForm.h"
#include "app/core/RegistryStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class SharedMainWindow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_GT(simulatorPort(), 0);
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(ModuleFolder::pointAt(dir->path(), simulatorPort(), 0));
        registry = std::make_unique<RegistryStore>(dir->filePath("registry.ini"));
        mainForm = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, *registry,
                                               nullptr, dir->path());
    }
    static void TearDownTestSuite()
    {
        mainForm.reset();
        registry.reset();
        dir.reset();
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline std::unique_ptr<RegistryStore> registry;
    static inline std::unique_ptr<TMainForm> mainForm;
};
