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
