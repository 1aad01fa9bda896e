// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The one way the program and its tools write a file: saves, exports and the tool's output.
namespace files {

struct WriteOptions {
    // A pipe or device that takes no byte for this long is given up on: whoever read it has stopped.
    std::chrono::milliseconds stallLimit{10000};
};

// Writes bytes to path. Returns nothing once they are all there, else one line saying why, without the path
// (the caller names the file); the old file is then as it was.
// - A symbolic link is followed, except one in a sticky, world-writable folder (such as /tmp) that belongs
//   neither to the folder's owner nor to this process's user: the kernel's protected_symlinks rule.
// - A regular file is replaced whole: the bytes go to an unnamed file beside it (or, where the system has
//   none, a short hidden name, removed on failure and on SIGINT, SIGTERM or SIGHUP), get the old file's
//   owner, group, mode, ACL and other extended attributes (not its security label, which the system gives),
//   are synced, and are renamed over it; then the folder is synced. A file with no write permission at all is
//   refused, also for root.
// - Where the folder cannot take a new file, or the owner, group or an attribute could not be kept, but the
//   file itself is writable, it is written in place, as a shell's `>` would.
// - A new file gets 0666 less the umask.
// - A device, FIFO or socket is written in place, never replaced, without ever blocking for good: a FIFO
//   that no program reads is refused at once, a reader that stops taking data is given up on.
std::optional<std::string> writeFile(const std::string& path, std::string_view bytes, const WriteOptions& options = {});

// Standard output: a closed or full one is an error like any other.
std::optional<std::string> writeStandardOutput(std::string_view bytes);

} // namespace files
