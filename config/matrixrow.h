// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace zv {

// A matrix row of the language file as the loader splits it: the row without
// the blanks and tabs at its ends, cut into pieces at commas. A comma at the
// very end adds no piece, so "2,1," holds two pieces and "2,,1" three.
class MatrixRowPieces
{
public:
    explicit MatrixRowPieces(QStringView row);

    bool atEnd() const { return m_rest.isEmpty(); }
    // The next piece, without the blanks and tabs at its ends; only while
    // !atEnd().
    QStringView next();
    // How many pieces are left, without taking them.
    qsizetype remaining() const;

private:
    QStringView m_rest;
};

} // namespace zv
