// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/matrixrow.h"

namespace zv {

namespace {

bool isRowBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmedRow(QStringView s)
{
    while (!s.isEmpty() && isRowBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isRowBlank(s.back()))
        s.chop(1);
    return s;
}

} // namespace

MatrixRowPieces::MatrixRowPieces(QStringView row) : m_rest(trimmedRow(row))
{}

QStringView MatrixRowPieces::next()
{
    QStringView piece = m_rest;
    if (const qsizetype comma = m_rest.indexOf(u','); comma >= 0) {
        piece = m_rest.first(comma);
        m_rest = m_rest.sliced(comma + 1);
    } else {
        m_rest = QStringView();
    }
    return trimmedRow(piece);
}

qsizetype MatrixRowPieces::remaining() const
{
    if (m_rest.isEmpty())
        return 0;
    return m_rest.count(u',') + (m_rest.endsWith(u',') ? 0 : 1);
}

} // namespace zv
