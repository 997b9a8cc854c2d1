// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/fontstandin.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace zv {

namespace {

struct PatternDeleter
{
    void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// The families fontconfig's configuration binds strongly to the asked one:
// the name itself and the fonts made to its measures.
bool isStrongFamily(FcPattern *pattern, const QString &family)
{
    FcPatternIter it;
    FcPatternIterStart(pattern, &it);
    do {
        if (qstrcmp(FcPatternIterGetObject(pattern, &it), FC_FAMILY) != 0)
            continue;
        for (int i = 0; i < FcPatternIterValueCount(pattern, &it); ++i) {
            FcValue value;
            FcValueBinding binding;
            if (FcPatternIterGetValue(pattern, &it, i, &value, &binding) != FcResultMatch
                || value.type != FcTypeString || binding != FcValueBindingStrong)
                continue;
            const QString name = QString::fromUtf8(reinterpret_cast<const char *>(value.u.s));
            if (name.compare(family, Qt::CaseInsensitive) == 0)
                return true;
        }
    } while (FcPatternIterNext(pattern, &it));
    return false;
}

// A configuration of our own rather than fontconfig's default one, which
// would stay allocated until the process ends.
class Configuration
{
public:
    Configuration() = default;
    Configuration(const Configuration &) = delete;
    Configuration &operator=(const Configuration &) = delete;
    ~Configuration()
    {
        if (m_config)
            FcConfigDestroy(m_config);
    }

    FcConfig *get()
    {
        if (!m_config)
            m_config = FcInitLoadConfigAndFonts();
        return m_config;
    }

private:
    FcConfig *m_config = nullptr;
};

QString standIn(FcConfig *config, const QString &family)
{
    const QByteArray name = family.toUtf8();
    Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.data()));
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result;
    Pattern match(FcFontMatch(config, pattern.get(), &result));
    FcChar8 *matched = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch)
        return QStringLiteral("the system's default font");
    const QString found = QString::fromUtf8(reinterpret_cast<const char *>(matched));
    return isStrongFamily(pattern.get(), found) ? QString() : found;
}

} // namespace

FontStandIn fontconfigStandIn()
{
    auto config = std::make_shared<Configuration>();
    return [config](const QString &family) { return standIn(config->get(), family); };
}

} // namespace zv
