// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/programtexts.h"

#include "config/result.h"

namespace zv {

namespace {

constexpr bool tableFollowsEnum()
{
    for (std::size_t i = 0; i < ProgramTextKeys.size(); ++i) {
        if (std::size_t(ProgramTextKeys[i].text) != i)
            return false;
    }
    return true;
}
static_assert(tableFollowsEnum(), "ProgramTextKeys lists the texts in enum order");

} // namespace

ProgramTexts::ProgramTexts()
{
    for (std::size_t i = 0; i < ProgramTextKeys.size(); ++i)
        m_texts[i] = ProgramTextKeys[i].key.defaultText();
}

ProgramTexts ProgramTexts::read(const ProfileSnapshot &languageFile)
{
    ProgramTexts texts;
    for (std::size_t i = 0; i < ProgramTextKeys.size(); ++i)
        texts.m_texts[i] = readLanguageKey(languageFile, ProgramTextKeys[i].key);
    return texts;
}

const QString &ProgramTexts::operator[](ProgramText text) const
{
    return m_texts[std::size_t(text)];
}

QString ProgramTexts::failureText(const QString &description) const
{
    if (description == zv::failure::TypeMismatch)
        return (*this)[ProgramText::TypeMismatch];
    if (description == zv::failure::Overflow)
        return (*this)[ProgramText::Overflow];
    if (description == zv::failure::SubscriptOutOfRange)
        return (*this)[ProgramText::SubscriptOutOfRange];
    return description;
}

} // namespace zv
