#pragma once

// Another program in the middle of a write, held still where a test wants it: `work` runs in a
// child process that this one traces, stopped just before a chosen call while the test acts.

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <sys/types.h>

class TracedChild
{
public:
    enum class Call { Rename, Link };

    // Starts the child, stopped before its first step.
    explicit TracedChild(const std::function<QByteArray()>& work);
    ~TracedChild();
    TracedChild(const TracedChild&) = delete;
    TracedChild& operator=(const TracedChild&) = delete;

    // Lets the child run until it is about to make `call` with a path that holds `marker`; false
    // when it ended first, or could not be traced.
    bool stopBefore(Call call, const QByteArray& marker);
    // Lets the child run to its end and returns what `work` answered.
    QByteArray finish();
    // Ends the child where it stands, as a kill or a power cut would.
    void kill();

private:
    // Does the child's text at `address` hold marker?
    bool pathHolds(std::uint64_t address, const QByteArray& marker) const;

    pid_t m_child = -1;
    int m_answer = -1;
};
