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

} // namespace

QString fontconfigStandIn(const QString &family)
{
    const QByteArray name = family.toUtf8();
    Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.data()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8 *matched = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch)
        return QStringLiteral("the system's default font");
    const QString standIn = QString::fromUtf8(reinterpret_cast<const char *>(matched));
    return isStrongFamily(pattern.get(), standIn) ? QString() : standIn;
}

} // namespace zv
