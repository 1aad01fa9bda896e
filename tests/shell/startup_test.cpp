// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/home_folder.h"
#include "support/case_names.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A display setting that names no server the program could open.
struct UnopenableDisplay {
    const char* name;
    QStringList environment;
};

class UnopenableDisplayTest : public testing::TestWithParam<UnopenableDisplay> {};

TEST_P(UnopenableDisplayTest, EndsWithOneLineAndStatusOne)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess program;
    QStringList environment = GetParam().environment;
    environment << QStringLiteral("HOME=") + home.path() << QStringLiteral("XDG_RUNTIME_DIR=") + home.path()
                << QStringLiteral("PATH=/usr/bin:/bin");
    program.setEnvironment(environment);
    program.start(QStringLiteral(PROGRAM_PATH), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_EQ(program.exitCode(), 1);
    const QByteArray error = program.readAllStandardError();
    EXPECT_TRUE(error.startsWith("zelto-cartomancy: ")) << error.toStdString();
    EXPECT_TRUE(error.endsWith('\n') && error.count('\n') == 1) << "one line: " << error.toStdString();
    EXPECT_TRUE(std::all_of(error.begin(), error.end() - 1, [](char c) { return c >= 0x20 && c < 0x7F; }))
        << "nothing a terminal would act on: " << error.toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, UnopenableDisplayTest,
    testing::Values(UnopenableDisplay{"NoDisplayAtAll", {}},
                    UnopenableDisplay{"X11DisplayWithoutServer", {QStringLiteral("DISPLAY=:4093")}},
                    UnopenableDisplay{"TcpX11DisplayWithoutServer", {QStringLiteral("DISPLAY=127.0.0.1:4093")}},
                    UnopenableDisplay{"DisplayWithControls", {QStringLiteral("DISPLAY=:4093\x7f\u009b2J\x1b[31m")}},
                    UnopenableDisplay{"WaylandSocketWithoutServer",
                                      {QStringLiteral("WAYLAND_DISPLAY=no-such-wayland-socket")}},
                    UnopenableDisplay{"UnknownPlatform", {QStringLiteral("QT_QPA_PLATFORM=no-such-platform")}}),
    testing_support::namedCases);

TEST(EnsureHomeFolder, FallsBackToThePasswdEntryOnlyWhenHomeIsMissing)
{
    const QByteArray previous = qgetenv("HOME");
    const bool hadHome = qEnvironmentVariableIsSet("HOME");
    const QString passwdHome = shell::passwdHomeFolder();
    ASSERT_FALSE(passwdHome.isEmpty());

    for (const bool unset : {true, false}) {
        unset ? qunsetenv("HOME") : qputenv("HOME", QByteArray());
        EXPECT_TRUE(shell::ensureHomeFolder());
        EXPECT_EQ(qEnvironmentVariable("HOME").toStdString(), passwdHome.toStdString()) << (unset ? "unset" : "empty");
    }

    qputenv("HOME", "/somewhere/else");
    EXPECT_TRUE(shell::ensureHomeFolder());
    EXPECT_EQ(qgetenv("HOME"), QByteArray("/somewhere/else")) << "a HOME the person set is theirs";

    if (hadHome)
        qputenv("HOME", previous);
    else
        qunsetenv("HOME");
}

} // namespace
