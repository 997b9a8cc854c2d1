// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"

#include <QStringList>

// Keeps every reported failure for the test to look at.
class RecordingReporter : public zv::FailureReporter
{
public:
    void report(const zv::LoadFailure &failure) override { failures.append(failure.description); }

    QStringList failures;
};
