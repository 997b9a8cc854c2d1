// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace zv {

// The description of a failed conversion or load step, worded as the
// program's message boxes show it.
namespace failure {
inline const QString TypeMismatch = QStringLiteral("Type mismatch");
inline const QString Overflow = QStringLiteral("Overflow");
inline const QString SubscriptOutOfRange = QStringLiteral("Subscript out of range");
}

// A value or the description of why there is none.
template <typename T>
class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    static Result fail(QString description) { return Result(std::move(description), 0); }

    bool ok() const { return m_value.has_value(); }
    const T &value() const { return *m_value; }
    const QString &failure() const { return m_failure; }

    friend bool operator==(const Result &a, const Result &b)
    {
        return a.m_value == b.m_value && a.m_failure == b.m_failure;
    }

private:
    Result(QString description, int) : m_failure(std::move(description)) {}

    std::optional<T> m_value;
    QString m_failure;
};

} // namespace zv
