// Viewer programs are started without a shell: launch values full of shell
// metacharacters reach the program as single literal arguments and run nothing.
#include "app/ViewerCommandLine.h"
#include "common/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

TEST(ViewerLaunchNoShell, MetacharactersArriveAsLiteralArguments)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The module's own folder is searched first: a probe there records its argv.
    const QString program = QStringLiteral("nxargvprobe%1").arg(getpid());
    const QString probe = QCoreApplication::applicationDirPath() + '/' + program;
    const QString argvFile = dir.filePath("argv");
    {
        QFile script(probe);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + argvFile.toUtf8() + ".tmp'\nmv '" + argvFile.toUtf8()
                     + ".tmp' '" + argvFile.toUtf8() + "'\n");
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    const QString pwned = dir.filePath("pwned");
    LaunchTexts launch;
    launch.address = "10.0.0.1; touch " + pwned;
    launch.readCommunity = "pub lic$(touch " + pwned + ")`touch " + pwned + "`";
    launch.writeCommunity = "a'b\"c|touch " + pwned + "&>" + pwned + " *";
    const ViewerCommandLine line("/T" + program + "_Info", launch);
    line.start();
    const bool ran = TestSupport::waitUntil([&] { return QFile::exists(argvFile); }, 10000);
    QFile::remove(probe);
    ASSERT_TRUE(ran) << "the probe did not run";

    QFile out(argvFile);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    QList<QByteArray> received = out.readAll().split('\0');
    ASSERT_FALSE(received.isEmpty());
    received.removeLast(); // after the last terminator
    QStringList arguments;
    for (const QByteArray &a : received)
        arguments << QString::fromUtf8(a);
    EXPECT_EQ(arguments, line.arguments());
    EXPECT_EQ(arguments.value(0), "/I" + launch.address);
    EXPECT_EQ(arguments.value(1), "/R" + launch.readCommunity);
    EXPECT_EQ(arguments.value(2), "/W" + launch.writeCommunity);
    EXPECT_FALSE(QFile::exists(pwned)) << "a shell interpreted a launch value";
}
