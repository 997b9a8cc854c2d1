// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the indexed profile reader against a plain reference scan: for the
// names the input asks for and for the names of the file's first keys, both
// must give the same value or the same default.
#include "config/profilesnapshot.h"
#include "fuzzinput.h"
#include "referenceprofile.h"

namespace {

void compare(const zv::ProfileSnapshot &file, const QByteArray &bytes, const QString &section,
             const QString &key)
{
    const QString fallback = QStringLiteral("(the default)");
    const QString fast = file.value(section, key, fallback);
    const QString plain = referenceValue(bytes, section, key, fallback);
    if (fast != plain) {
        std::fprintf(stderr, "[%s] %s: indexed \"%s\", reference \"%s\"\n",
                     qPrintable(section), qPrintable(key), qPrintable(fast), qPrintable(plain));
        fuzzFinding("the indexed reader and the reference disagree");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input = splitFuzzInput(data, size);
    const zv::ProfileSnapshot file = zv::ProfileSnapshot::fromBytes(input.file);
    compare(file, input.file, input.section, input.key);
    // The reference rescans the whole file per name: a few names suffice.
    constexpr std::size_t namesChecked = 8;
    for (std::size_t i = 0; i < file.keys().size() && i < namesChecked; ++i) {
        const zv::ProfileSnapshot::Key &key = file.keys()[i];
        if (key.section < 0)
            continue;
        const QString section = file.sectionName(file.sections()[std::size_t(key.section)]);
        compare(file, input.file, section, file.keyName(key));
        compare(file, input.file, section, input.key);
    }
    return 0;
}
