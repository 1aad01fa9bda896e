// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/face_lists.h"
#include "display/qt_platform.h"
#include "engine/random_source.h"
#include "shell/application.h"
#include "shell/clock.h"
#include "shell/settings_store.h"
#include "shell/shell_texts.h"
#include "shell/single_instance.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without one, QApplication would abort with a message about plugins that helps nobody.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fputs("zelto-cartomancy: no graphical display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "Start the program from a desktop session.\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // The application name stays the executable's: the instance lock tells a live holder from a dead one by it.
    QApplication::setApplicationVersion(QStringLiteral("1.45"));
    QGuiApplication::setDesktopFileName(shell::texts::kProgramName);
    QApplication::setWindowIcon(display::applicationIcon());
    // The program ends through the exit window, never because its last window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    display::QtMessageBoxes messageBoxes;
    display::QtFileChooser fileChooser;
    display::DesktopUrlOpener urlOpener;
    display::InputBlockingWait wait;
    display::Platform platform{messageBoxes, fileChooser, urlOpener, wait};
    const std::unique_ptr<engine::RandomSource> random = engine::makeClockSeededRandomSource();
    shell::ScrambledSettingsStore settings;
    const shell::SystemClock clock;

    shell::Application application({platform, *random, settings, clock});
    QObject::connect(&application, &shell::Application::ended, &app, [] { QCoreApplication::exit(0); });

    shell::SingleInstanceLock lock(shell::SingleInstanceLock::defaultLockFilePath());
    if (!application.startApplication(lock))
        return 0;
    return QApplication::exec();
}
