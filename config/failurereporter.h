#pragma once

#include <QString>

#include <functional>

namespace zv {

// Shows one message to the user: in the program a message box, in tests a
// recorder.
using ShowMessage = std::function<void(const QString &)>;

// Where loaders send the description of each value they could not load.
class FailureReporter
{
public:
    virtual ~FailureReporter() = default;
    virtual void report(const QString &description) = 0;
};

// Shows the failures of one load, but no more than `limit` of them: a hostile
// file could otherwise raise tens of thousands of modal boxes in a row.
// finish() shows one last message counting the failures held back.
class LoadFailureReporter : public FailureReporter
{
public:
    explicit LoadFailureReporter(ShowMessage show, int limit = 10);

    void report(const QString &description) override;
    void finish();

private:
    ShowMessage m_show;
    int m_limit;
    int m_shown = 0;
    int m_heldBack = 0;
};

} // namespace zv
