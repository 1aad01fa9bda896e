// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Writes the bytes where a command-line user asked for them; the error, if any, is one line naming the
// system's reason.
// - "-" is standard output.
// - A symbolic link is followed: the link stays, its target gets the bytes.
// - A regular file is replaced atomically (a temporary file beside it, synced, renamed over it, folder synced);
//   the replacement keeps the old file's permission bits and, where the process may set them, its owner and
//   group. A file with no write permission at all is refused, even for root.
// - Anything else that exists (a device, a FIFO) is opened and written in place, never replaced.
std::optional<std::string> writeOutput(const std::string& path, std::string_view bytes);

// A closed or full standard output is an error like any other.
std::optional<std::string> writeStandardOutput(std::string_view bytes);

// The text in single quotes, with control characters, backslashes and quotes escaped, so a message that
// quotes it stays one line and sends nothing raw to the terminal.
std::string quoteForMessage(std::string_view text);

// An empty file with a fresh short name in a folder, private to its owner (0600). It is removed
// again unless renamed, also when SIGINT, SIGTERM or SIGHUP end the process first. One at a time per process.
class TemporaryFile final {
public:
    explicit TemporaryFile(const std::string& folder);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // -1 when the file could not be created; creationError() is then the errno value.
    int descriptor() const { return m_descriptor; }
    int creationError() const { return m_creationError; }
    const std::string& path() const { return m_path; }

    // Closes the file and renames it to the target; 0 or the errno value.
    int renameTo(const std::string& target);

private:
    void forget();

    std::string m_path;
    int m_descriptor = -1;
    int m_creationError = 0;
    struct sigaction m_previousActions[3] = {};
};

} // namespace cli
