// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "support/fake_window_services.h"
#include "support/gui_helpers.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace windows_testing {

// Every card in deck order, for a random source that deals them one after the other.
inline std::vector<int> wholeDeck()
{
    std::vector<int> cards;
    for (int card = 0; card < engine::kCardCount; ++card)
        cards.push_back(card);
    return cards;
}

// The one fixture of the window tests: fresh fake services per test, and no window left over from the one
// before.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->deleteLater();
        flushDeletes();
    }

    static void flushDeletes() { testing_support::flushDeletes(); }

    template <typename T> static T* find(const QObject* parent, const QString& objectName)
    {
        return testing_support::findNamed<T>(parent, objectName);
    }

    static void trigger(const QObject* window, const QString& actionName)
    {
        testing_support::triggerAction(window, actionName);
    }

    // A complete, valid request for the spread in the chosen mode.
    static void fillInRequest(const QWidget* mainWindow, int spread, bool automatic)
    {
        find<QLineEdit>(mainWindow, QStringLiteral("txtName"))->setText(QStringLiteral("Ada"));
        find<QComboBox>(mainWindow, QStringLiteral("cboSpread"))->setCurrentIndex(spread);
        find<QRadioButton>(mainWindow, automatic ? QStringLiteral("optAuto") : QStringLiteral("optManual"))
            ->setChecked(true);
    }

    std::vector<QString> shownTexts() const
    {
        std::vector<QString> texts;
        for (const auto& message : services.fake.messageBoxes.shown)
            texts.push_back(message.text);
        return texts;
    }

    testing_support::FakeWindowServices services;
};

} // namespace windows_testing
