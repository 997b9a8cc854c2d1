// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/skinrules.h"

#include "check/keyrules.h"
#include "check/knownkeys.h"
#include "check/loadfailures.h"
#include "config/conversions.h"
#include "skin/skincolor.h"
#include "skin/skinfile.h"

#include <QColor>

#include <cmath>

namespace zv {

namespace {

using Kind = Finding::Kind;

// The lowest contrast ratio for normal text at level AA.
constexpr double MinimumContrast = 4.5;

const QLatin1String ForeSuffix("_FORECOLOR");
const QLatin1String BackSuffix("_BACKCOLOR");
const QLatin1String FontNameSuffix("_FONTNM");
const QLatin1String FontSizeSuffix("_FONTSZ");

// Larger letters no longer fit the fixed window: its texts are cut off.
constexpr int LargestFittingFontSize = 72;

struct Setting
{
    QString key;
    QString text; // the value, or the key's default where the file lacks it
    int line = 0;
};

Setting setting(const ProfileSnapshot &file, const SkinKeyName &key)
{
    const QLatin1String section(key.section);
    const QLatin1String name(key.key);
    const ProfileSnapshot::Key *found = file.find(section, name);
    return {name, file.value(section, name, QLatin1String(key.defaultValue)),
            found ? found->line : 0};
}

double luminance(const QColor &color)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green())
           + 0.0722 * channel(color.blue());
}

// The contrast ratio as the Web Content Accessibility Guidelines define it:
// 1 (none) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void checkColor(const Setting &color, Findings &findings)
{
    const Result<std::int32_t> number = ColorFromText(color.text);
    if (number.ok() && number.value() >= 0 && number.value() <= 0xFFFFFF)
        return;
    findings.push_back({Kind::Warning, color.line,
                        u"[COLOR] "_qs + color.key + u" \""_qs + shown(color.text)
                            + u"\" is no colour between 0 and 16777215: the program shows "
                              "its default"_qs});
}

void checkContrast(const Setting &fore, const Setting &back, Findings &findings)
{
    const double ratio = contrastRatio(skinColor(fore.text, ColorRole::Foreground),
                                       skinColor(back.text, ColorRole::Background));
    if (ratio >= MinimumContrast)
        return;
    findings.push_back({Kind::Warning, fore.line ? fore.line : back.line,
                        u"[COLOR] "_qs + fore.key + u" on "_qs + back.key
                            + u" has a contrast ratio of "_qs
                            + QString::number(std::floor(ratio * 100) / 100, 'f', 2)
                            + u":1, below the 4.5:1 that text needs to be read easily"_qs});
}

void checkFontSize(const Setting &size, Findings &findings)
{
    const Result<std::int16_t> points = fontSizeFromText(size.text);
    if (!points.ok() || points.value() <= LargestFittingFontSize)
        return;
    findings.push_back({Kind::Warning, size.line,
                        u"[FONT] "_qs + size.key + u" "_qs + QString::number(points.value())
                            + u" points is larger than "_qs
                            + QString::number(LargestFittingFontSize)
                            + u": the texts no longer fit the window"_qs});
}

void checkFont(const Setting &font, const FontStandIn &fontStandIn, Findings &findings)
{
    if (font.text.trimmed().isEmpty())
        return;
    const QString standIn = fontStandIn(font.text);
    if (standIn.isEmpty())
        return;
    findings.push_back({Kind::Note, font.line,
                        u"[FONT] "_qs + font.key + u": this system has no font \""_qs
                            + shown(font.text) + u"\"; \""_qs + shown(standIn)
                            + u"\" stands in for it"_qs});
}

} // namespace

void checkSkinFile(const ProfileSnapshot &file, const FontStandIn &fontStandIn, Findings &findings)
{
    // The load stops at its first failure.
    LoadFailureFindings failures(findings, u"; the program reads no further key of the skin"_qs);
    SkinSettings skin;
    LoadSkin(skin, file, failures);
    failures.finish();
    checkKnownKeys(file, KnownKeys::skin(), findings);

    const auto names = skinKeyNames();
    for (const SkinKeyName &key : names) {
        const Setting current = setting(file, key);
        if (current.key.endsWith(ForeSuffix) || current.key.endsWith(BackSuffix)) {
            if (current.line)
                checkColor(current, findings);
        } else if (current.key.endsWith(FontNameSuffix)) {
            checkFont(current, fontStandIn, findings);
        } else if (current.key.endsWith(FontSizeSuffix)) {
            checkFontSize(current, findings);
        }
        if (!current.key.endsWith(ForeSuffix))
            continue;
        const QString backKey = current.key.chopped(ForeSuffix.size()) + BackSuffix;
        for (const SkinKeyName &other : names) {
            if (backKey == QLatin1String(other.key))
                checkContrast(current, setting(file, other), findings);
        }
    }
}

} // namespace zv
