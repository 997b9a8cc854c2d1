// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/programtexts.h"

#include <QString>

#include <functional>

namespace zv {

// Shows one message to the user: in the program a message box, in tests a
// recorder.
using ShowMessage = std::function<void(const QString &)>;

// One value a loader could not load, and where it stands.
struct LoadFailure
{
    QString description;  // as the message box words it
    QString section;
    QString key;
    QString text;  // the offending text; empty where none was read
    int line = 0;  // the key's line in the file; 0 where the file has no such key
};

// Where loaders send each value they could not load.
class FailureReporter
{
public:
    virtual ~FailureReporter() = default;
    virtual void report(const LoadFailure &failure) = 0;

    // Whether the next failure's description will still be read. When it
    // will not, a loader may skip the work of wording it (converting the
    // text) and report the failure with an empty description: it still counts.
    virtual bool wantsDescription() const { return true; }
};

// Shows the failures of one load in the words of the language file's texts,
// but no more than `limit` of them: a hostile file could otherwise raise tens
// of thousands of modal boxes in a row. finish() shows one last message
// counting the failures held back.
class LoadFailureReporter : public FailureReporter
{
public:
    explicit LoadFailureReporter(ShowMessage show, ProgramTexts texts = ProgramTexts(),
                                 int limit = 10);

    void report(const LoadFailure &failure) override;
    bool wantsDescription() const override { return m_shown < m_limit; }
    void finish();

    // Turns a failure and its description into the text shown; without one
    // the description alone is shown.
    using Framing = std::function<QString(const LoadFailure &, const QString &description)>;
    void setFraming(Framing framing) { m_framing = std::move(framing); }

private:
    ShowMessage m_show;
    Framing m_framing;
    ProgramTexts m_texts;
    int m_limit;
    int m_shown = 0;
    int m_heldBack = 0;
};

} // namespace zv
