// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads arbitrary bytes as a language file and runs the wizard's scoring on
// them: whatever the file holds, loading must neither crash nor leave the
// tables, the matrix must stay finite, and no list line may read "inf" or
// "nan".
#include "config/languagefile.h"
#include "fuzzinput.h"
#include "wizard/scoring.h"

#include <cmath>

namespace {

class CountingReporter : public zv::FailureReporter
{
public:
    void report(const zv::LoadFailure &) override { ++failures; }
    bool wantsDescription() const override { return failures < 10; }
    int failures = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input = splitFuzzInput(data, size);
    CountingReporter failures;
    const zv::LanguageTables tables =
        zv::LoadLanguage(zv::ProfileSnapshot::fromBytes(input.file), failures).tables;
    for (double value : tables.Matrix) {
        if (!std::isfinite(value) || std::fabs(value) > 1e300)
            fuzzFinding("a matrix value beyond 1e300 was stored");
    }
    zv::ScoreTables scores;
    zv::ResetScores(scores, tables);
    // The answers come from the input too, so every sign reaches every row.
    for (int q = 0; q < tables.questions(); ++q) {
        const int answer = size > std::size_t(q) && (data[q] & 1) ? 1 : -1;
        zv::RescoreEngines(scores, tables, q, answer);
    }
    zv::SortEngines(scores, tables);
    // The score is what stands before "% ": a blank or minus sign, then digits.
    for (const QString &line : zv::ResultLines(scores, tables)) {
        const QStringView score = QStringView(line).first(line.indexOf(u"% "));
        bool digits = score.size() > 1 && (score[0] == u' ' || score[0] == u'-');
        for (qsizetype i = 1; digits && i < score.size(); ++i)
            digits = score[i] >= u'0' && score[i] <= u'9';
        if (!digits)
            fuzzFinding("a list line shows a score that is not a finite number");
    }
    return 0;
}
