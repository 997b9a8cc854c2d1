// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads arbitrary bytes as a skin file and converts every colour and font
// the way the windows apply them: nothing may crash, the load stops at its
// first failure, and a colour is always a valid colour.
#include "fuzzinput.h"
#include "skin/skincolor.h"
#include "skin/skinfile.h"

namespace {

class CountingReporter : public zv::FailureReporter
{
public:
    void report(const zv::LoadFailure &) override { ++failures; }
    int failures = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input = splitFuzzInput(data, size);
    CountingReporter failures;
    zv::SkinSettings skin;
    zv::LoadSkin(skin, zv::ProfileSnapshot::fromBytes(input.file), failures);
    if (failures.failures > 1)
        fuzzFinding("the skin load went on after a failure");
    const zv::SkinSettings s = zv::withDefaultsForUnread(skin);
    for (const QString *color :
         {&s.FormBackColor, &s.FormForeColor, &s.QuestionBackColor, &s.QuestionForeColor,
          &s.ListBackColor, &s.ListForeColor, &s.AnswerBackColor, &s.AnswerForeColor,
          &s.TextBackColor, &s.TextForeColor, &s.ExplBackColor, &s.ExplForeColor,
          &s.Frame1ForeColor, &s.Frame1BackColor}) {
        for (zv::ColorRole role : {zv::ColorRole::Foreground, zv::ColorRole::Background}) {
            if (!zv::skinColor(*color, role).isValid())
                fuzzFinding("a colour text gave no valid colour");
        }
    }
    // The font groups as the windows take them; any size or name is theirs to refuse.
    for (const zv::FontGroup &font : {zv::questionFont(s), zv::textFont(s),
                                      zv::explanationFont(s), zv::enginesFont(s)})
        (void)font;
    return 0;
}
