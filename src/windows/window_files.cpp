// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_files.h"

#include "files/safe_write.h"

#include <QFile>

#include <chrono>
#include <string>

namespace windows {

std::optional<QString> writeFileFromWindow(const QString& path, std::string_view bytes)
{
    constexpr files::WriteOptions kWindowWrite{.stallLimit = std::chrono::seconds(2)};
    const std::optional<std::string> failure =
        files::writeFile(QFile::encodeName(path).toStdString(), bytes, kWindowWrite);
    if (!failure)
        return std::nullopt;
    QString reason = QString::fromUtf8(*failure);
    if (!reason.isEmpty()) {
        reason[0] = reason[0].toUpper();
        if (!reason.endsWith(QLatin1Char('.')))
            reason += QLatin1Char('.');
    }
    return reason;
}

} // namespace windows
