// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/platform.h"

#include <QUrl>

#include <vector>

namespace testing_support {

// Records the addresses instead of opening them.
class FakeUrlOpener final : public display::UrlOpener {
public:
    void openUrl(const QUrl& address) override { opened.push_back(address); }
    std::vector<QUrl> opened;
};

} // namespace testing_support
