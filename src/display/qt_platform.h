// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/platform.h"

namespace display {

class DesktopUrlOpener final : public UrlOpener {
public:
    void openUrl(const QUrl& address) override;
};

} // namespace display
