// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/face_lists.h"
#include "display/qt_platform.h"
#include "engine/random_source.h"
#include "journal/journal.h"
#include "shell/application.h"
#include "shell/clock.h"
#include "shell/home_folder.h"
#include "shell/settings_store.h"
#include "shell/shell_texts.h"
#include "shell/single_instance.h"
#include "site_settings.h"
#include "windows/qt_platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Without one, QApplication would abort with a message about plugins that helps nobody.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The display settings the person can check, for the one line that says the display could not be opened.
std::string displaySettings()
{
    std::string settings;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (qEnvironmentVariableIsEmpty(name))
            continue;
        // Only printable ASCII reaches the terminal: control characters, DEL and C1 controls (0x9B is CSI to
        // a terminal not set to UTF-8) would act on it. These settings are ASCII when they are sound.
        std::string value;
        for (const char c : qgetenv(name)) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
                value += c;
            } else {
                constexpr std::string_view hex = "0123456789abcdef";
                value += "\\x";
                value += hex[byte >> 4];
                value += hex[byte & 0xF];
            }
        }
        settings += (settings.empty() ? "" : ", ") + std::string(name) + "=" + value;
    }
    return settings;
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;

// While the platform opens, Qt's messages wait: when no display can be opened Qt ends with qFatal and abort,
// and the person should read one plain line and get exit status 1 instead.
void holdMessagesWhileThePlatformOpens(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "zelto-cartomancy: cannot open the graphical display (%s); is its server running?\n",
                     displaySettings().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_heldMessages.push_back({type, QByteArray(context.category), text});
}

void releaseHeldMessages()
{
    qInstallMessageHandler(nullptr);
    for (const HeldMessage& message : g_heldMessages)
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    g_heldMessages.clear();
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fputs("zelto-cartomancy: no graphical display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "start the program from a desktop session.\n",
                   stderr);
        return 1;
    }
    const bool keepsSettings = shell::ensureHomeFolder();

    qInstallMessageHandler(holdMessagesWhileThePlatformOpens);
    QApplication app(argc, argv);
    releaseHeldMessages();
    // The application name stays the executable's: the instance lock tells a live holder from a dead one by it.
    QApplication::setApplicationVersion(QString::fromUtf8(site::kVersion));
    QGuiApplication::setDesktopFileName(shell::texts::kProgramName);
    QApplication::setWindowIcon(display::applicationIcon());
    // The program ends through the exit window, never because its last window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    windows::QtMessageBoxes messageBoxes;
    windows::QtFileChooser fileChooser;
    display::DesktopUrlOpener urlOpener;
    windows::InputBlockingWait wait;
    windows::QtPrintDialog printDialog;
    windows::Platform platform{messageBoxes, fileChooser, urlOpener, wait, printDialog};
    const std::unique_ptr<engine::RandomSource> random = engine::makeClockSeededRandomSource();
    std::unique_ptr<shell::SettingsStore> settings;
    if (keepsSettings)
        settings = std::make_unique<shell::ScrambledSettingsStore>();
    else
        settings = std::make_unique<shell::TransientSettingsStore>();
    const shell::SystemClock clock;

    const QString journalPath = QString::fromStdString(journal::Journal::defaultPath());
    shell::Application application({platform, *random, *settings, clock, journalPath});
    QObject::connect(&application, &shell::Application::ended, &app, [] { QCoreApplication::exit(0); });

    shell::SingleInstanceLock lock(shell::SingleInstanceLock::defaultLockFilePath());
    if (!application.startApplication(lock))
        return 0;
    return QApplication::exec();
}
