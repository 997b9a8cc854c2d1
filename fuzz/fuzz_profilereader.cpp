// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a profile file and looks names up in it: whatever
// the file holds, reading must not crash, and every key the file's index
// says counts must be the one a lookup of its own names finds.
#include "config/profilesnapshot.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input = splitFuzzInput(data, size);
    const zv::ProfileSnapshot file = zv::ProfileSnapshot::fromBytes(input.file);
    (void)file.value(input.section, input.key, QString());
    // Every lookup decodes and folds names anew: the first keys suffice.
    constexpr std::size_t keysChecked = 32;
    for (std::size_t i = 0; i < file.keys().size() && i < keysChecked; ++i) {
        const zv::ProfileSnapshot::Key &key = file.keys()[i];
        if (!key.counts)
            continue;
        const zv::ProfileSnapshot::Section &section = file.sections()[std::size_t(key.section)];
        if (!section.counts)
            fuzzFinding("a key of a section that does not count counts");
        const QString sectionName = file.sectionName(section);
        const QString keyName = file.keyName(key);
        if (file.find(sectionName, keyName) != &key)
            fuzzFinding("a counting key is not found by its own names");
        const std::optional<QString> value = file.value(sectionName, keyName);
        if (value.has_value() != key.hasValue || (value && value->size() > zv::MaxIniValueLength))
            fuzzFinding("a value is missing or too long");
    }
    return 0;
}
