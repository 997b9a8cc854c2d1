// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks arbitrary bytes as a language file and as a skin: nothing may
// crash, every finding has a message and a line within the file, and no
// message holds a control character, which could write to the terminal;
// nor does the fairness report of a language file.
#include "check/checkfile.h"
#include "check/checkreport.h"
#include "check/fairness.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input = splitFuzzInput(data, size);
    const zv::ProfileSnapshot file = zv::ProfileSnapshot::fromBytes(input.file);
    const int lines = int(input.file.count('\n') + input.file.count('\r')) + 1;
    zv::CheckOptions options;
    // fontconfig's answer depends on the machine, and costs time per call.
    options.fontStandIn = [](const QString &family) { return family; };
    for (zv::FileKind kind : {zv::FileKind::Language, zv::FileKind::Skin}) {
        options.kind = kind;
        const zv::FileCheck check = zv::checkFile(file, options);
        // The report covers every set of answers: a few questions suffice.
        constexpr int questionsReported = 6;
        if (check.tables && check.tables->questions() <= questionsReported) {
            const QString report =
                zv::fairnessReport(zv::ComputeFairness(*check.tables), *check.tables);
            for (QChar c : report) {
                if (c != u'\n' && c.category() == QChar::Other_Control)
                    fuzzFinding("the fairness report holds a control character");
            }
        }
        const zv::Findings &findings = check.findings;
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const zv::Finding &finding = findings[i];
            if (finding.message.isEmpty())
                fuzzFinding("a finding without a message");
            if (finding.line < 0 || finding.line > lines)
                fuzzFinding("a finding's line lies outside the file");
            for (QChar c : finding.message) {
                if (c.category() == QChar::Other_Control)
                    fuzzFinding("a message holds a control character");
            }
        }
    }
    return 0;
}
