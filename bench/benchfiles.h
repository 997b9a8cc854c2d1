// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A complete language file at the tables' limits: 41 engines and 16
// questions with every key present (the matrix filled as far as it fits).
QByteArray fullLanguageFile();

// The full language file padded to 1 MiB with keys the program never asks
// for, placed before the sections it reads.
QByteArray largeLanguageFile();

// 5 MB: an engine count of 32767 and thousands of long matrix rows, as a
// hostile download might be.
QByteArray hostileLanguageFile();

// A skin file with every key.
QByteArray fullSkinFile();

// Writes `content` into the benchmark's scratch folder; returns the path.
QString writeBenchFile(const QString &name, const QByteArray &content);

// The scratch folder, made on first use.
QString benchDir();
