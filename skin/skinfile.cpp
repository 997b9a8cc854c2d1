// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/skinfile.h"

#include "config/conversions.h"
#include "config/profilesnapshot.h"
#include "config/snapshotcache.h"

#include <array>
#include <variant>

namespace zv {

namespace {

using Field = std::variant<QString SkinSettings::*, std::int16_t SkinSettings::*,
                           bool SkinSettings::*>;

struct SkinKey
{
    const char *section;
    const char *key;
    const char *defaultValue;
    Field field;
};

using S = SkinSettings;
const std::array<SkinKey, SkinKeyCount> &skinKeys()
{
    static const std::array<SkinKey, SkinKeyCount> keys = {{
        {"GENERAL", "NAME", "No Skin found", &S::SkinName},
        {"COLOR", "FORM_FORECOLOR", "16777215", &S::FormForeColor},
        {"COLOR", "FORM_BACKCOLOR", "0", &S::FormBackColor},
        {"COLOR", "QUESTION_FORECOLOR", "16777215", &S::QuestionForeColor},
        {"COLOR", "QUESTION_BACKCOLOR", "0", &S::QuestionBackColor},
        {"COLOR", "LIST_FORECOLOR", "16777215", &S::ListForeColor},
        {"COLOR", "LIST_BACKCOLOR", "0", &S::ListBackColor},
        {"COLOR", "ANSWER_FORECOLOR", "16777215", &S::AnswerForeColor},
        {"COLOR", "ANSWER_BACKCOLOR", "0", &S::AnswerBackColor},
        {"COLOR", "TEXT_FORECOLOR", "16777215", &S::TextForeColor},
        {"COLOR", "TEXT_BACKCOLOR", "0", &S::TextBackColor},
        {"COLOR", "EXPL_FORECOLOR", "16777215", &S::ExplForeColor},
        {"COLOR", "EXPL_BACKCOLOR", "0", &S::ExplBackColor},
        {"COLOR", "FRAME1_FORECOLOR", "16777215", &S::Frame1ForeColor},
        {"COLOR", "FRAME1_BACKCOLOR", "0", &S::Frame1BackColor},
        {"FONT", "QUESTION_FONTNM", "Arial", &S::QuestionFontName},
        {"FONT", "QUESTION_FONTSZ", "12", &S::QuestionFontSize},
        {"FONT", "QUESTION_FONTBOLD", "FALSE", &S::QuestionFontBold},
        {"FONT", "QUESTION_FONTITALIC", "FALSE", &S::QuestionFontItalic},
        {"FONT", "TEXT_FONTNM", "Arial", &S::TextFontName},
        {"FONT", "TEXT_FONTSZ", "12", &S::TextFontSize},
        {"FONT", "TEXT_FONTBOLD", "FALSE", &S::TextFontBold},
        {"FONT", "TEXT_FONTITALIC", "FALSE", &S::TextFontItalic},
        {"FONT", "EXPL_FONTNM", "Arial", &S::ExplFontName},
        {"FONT", "EXPL_FONTSZ", "12", &S::ExplFontSize},
        {"FONT", "EXPL_FONTBOLD", "FALSE", &S::ExplFontBold},
        {"FONT", "EXPL_FONTITALIC", "FALSE", &S::ExplFontItalic},
        {"FONT", "ENGINES_FONTNM", "Arial", &S::EnginesFontName},
        {"FONT", "ENGINES_FONTSZ", "12", &S::EnginesFontSize},
        {"FONT", "ENGINES_FONTBOLD", "FALSE", &S::EnginesFontBold},
        {"FONT", "ENGINES_FONTITALIC", "FALSE", &S::EnginesFontItalic},
    }};
    return keys;
}

// Converts `text` into the key's field; the failure's description, or an
// empty text when the value was stored.
QString store(SkinSettings &skin, const Field &field, const QString &text)
{
    struct Visitor
    {
        SkinSettings &skin;
        const QString &text;

        QString operator()(QString SkinSettings::*member) const
        {
            skin.*member = text;
            return {};
        }
        QString operator()(std::int16_t SkinSettings::*member) const
        {
            const Result<std::int16_t> size = fontSizeFromText(text);
            if (size.ok())
                skin.*member = size.value();
            return size.failure();
        }
        QString operator()(bool SkinSettings::*member) const
        {
            const Result<bool> flag = toTruth(text);
            if (flag.ok())
                skin.*member = flag.value();
            return flag.failure();
        }
    };
    return std::visit(Visitor{skin, text}, field);
}

} // namespace

void LoadSkin(SkinSettings &skin, const QString &skinFile, FailureReporter &failures)
{
    LoadSkin(skin, *currentSnapshot(skinFile), failures);
}

void LoadSkin(SkinSettings &skin, const ProfileSnapshot &skinFile, FailureReporter &failures)
{
    skin.KeysRead = 0;
    for (const SkinKey &key : skinKeys()) {
        const QLatin1String section(key.section);
        const QLatin1String name(key.key);
        const QString text = skinFile.value(section, name, QLatin1String(key.defaultValue));
        const QString failure = store(skin, key.field, text);
        if (!failure.isEmpty()) {
            const ProfileSnapshot::Key *found = skinFile.find(section, name);
            failures.report({failure, section, name, text, found ? found->line : 0});
            return;
        }
        ++skin.KeysRead;
    }
}

std::array<SkinKeyName, SkinKeyCount> skinKeyNames()
{
    std::array<SkinKeyName, SkinKeyCount> names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = {skinKeys()[i].section, skinKeys()[i].key, skinKeys()[i].defaultValue};
    return names;
}

SkinSettings withDefaultsForUnread(const SkinSettings &skin)
{
    SkinSettings effective = skin;
    for (int i = skin.KeysRead; i < SkinKeyCount; ++i) {
        const SkinKey &key = skinKeys()[std::size_t(i)];
        store(effective, key.field, QLatin1String(key.defaultValue));
    }
    return effective;
}

} // namespace zv
