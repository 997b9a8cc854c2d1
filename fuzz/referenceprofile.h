// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A deliberately plain reading of one value from a profile file's bytes: the
// whole text decoded first, then one scan of its lines per lookup. Slow and
// obvious on purpose; it exists only to check the indexed reader against.
QString referenceValue(const QByteArray &bytes, const QString &section, const QString &key,
                       const QString &defaultValue);
