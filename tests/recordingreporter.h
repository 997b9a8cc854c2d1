#pragma once

#include "config/failurereporter.h"

#include <QStringList>

// Keeps every reported failure for the test to look at.
class RecordingReporter : public zv::FailureReporter
{
public:
    void report(const QString &description) override { failures.append(description); }

    QStringList failures;
};
