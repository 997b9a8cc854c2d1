// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/accessiblenames.h"

#include <algorithm>

namespace zv {

QString readAccessibleName(const ProfileSnapshot &languageFile, AccessibleName name)
{
    const auto entry = std::find_if(AccessibleNameKeys.begin(), AccessibleNameKeys.end(),
                                    [name](const AccessibleNameKey &k) { return k.name == name; });
    return readLanguageKey(languageFile, entry->key);
}

} // namespace zv
