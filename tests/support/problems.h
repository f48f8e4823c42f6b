// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a list of problems found on a window into a GoogleTest result that names each of them.

#include <QStringList>
#include <gtest/gtest.h>

namespace galvix::testing {

[[nodiscard]] inline ::testing::AssertionResult noProblems(const QStringList& problems)
{
    if (problems.isEmpty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const QString& problem : problems)
        failure << "\n  " << problem.toStdString();
    return failure;
}

} // namespace galvix::testing
