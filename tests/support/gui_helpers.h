// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

// Helpers for the Qt tests: widgets and actions are found by object name.
namespace testing_support {

// Deletes what deleteLater() queued, as the event loop would.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename T> T* findNamed(const QObject* parent, const QString& objectName)
{
    T* found = parent->findChild<T*>(objectName);
    EXPECT_NE(found, nullptr) << "no " << objectName.toStdString();
    return found;
}

inline void triggerAction(const QObject* window, const QString& actionName)
{
    QAction* action = findNamed<QAction>(window, actionName);
    ASSERT_NE(action, nullptr);
    action->trigger();
}

} // namespace testing_support
