#include "config/accessiblenames.h"

#include "config/profilereader.h"

#include <algorithm>

namespace zv {

QString readAccessibleName(const QString &languageFile, AccessibleName name)
{
    const auto entry = std::find_if(AccessibleNameKeys.begin(), AccessibleNameKeys.end(),
                                    [name](const AccessibleNameKey &k) { return k.name == name; });
    return ReadIniValue(QLatin1String(AccessibleNamesSection), QLatin1String(entry->key),
                        QString::fromUtf8(entry->defaultName), languageFile);
}

} // namespace zv
