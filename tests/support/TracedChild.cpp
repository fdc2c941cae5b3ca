#include "support/TracedChild.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A system call, and which of its arguments are paths.
struct PathCall
{
    long number;
    int paths[2];
};

std::vector<PathCall> callsOf(TracedChild::Call call)
{
    if (call == TracedChild::Call::Rename)
        return {
#ifdef SYS_rename
            {SYS_rename, {0, 1}},
#endif
            {SYS_renameat, {1, 3}},
            {SYS_renameat2, {1, 3}}};
    return {
#ifdef SYS_link
        {SYS_link, {0, 1}},
#endif
        {SYS_linkat, {1, 3}}};
}

} // namespace

TracedChild::TracedChild(const std::function<QByteArray()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return;
    m_child = ::fork();
    if (m_child == 0) {
        ::close(channel[0]);
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        // Nothing may leave the child but its answer: it would run the rest of the tests again.
        try {
            const QByteArray answer = work();
            [[maybe_unused]] const ssize_t written =
                ::write(channel[1], answer.constData(), size_t(answer.size()));
        } catch (...) {
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    m_answer = channel[0];
    int status = 0;
    if (m_child < 0 || ::waitpid(m_child, &status, 0) != m_child || !WIFSTOPPED(status) ||
        ::ptrace(PTRACE_SETOPTIONS, m_child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) != 0)
        kill();
}

TracedChild::~TracedChild()
{
    kill();
    if (m_answer >= 0)
        ::close(m_answer);
}

bool TracedChild::stopBefore(Call call, const QByteArray& marker)
{
    const std::vector<PathCall> calls = callsOf(call);
    int signal = 0;
    while (m_child > 0 && ::ptrace(PTRACE_SYSCALL, m_child, nullptr, signal) == 0) {
        int status = 0;
        if (::waitpid(m_child, &status, 0) != m_child || !WIFSTOPPED(status)) {
            m_child = -1; // it ended
            return false;
        }
        // A signal the child was sent goes on to it; a system call stop carries none.
        signal = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status);
        __ptrace_syscall_info info{};
        if (signal != 0 || ::ptrace(PTRACE_GET_SYSCALL_INFO, m_child, sizeof info, &info) <= 0 ||
            info.op != PTRACE_SYSCALL_INFO_ENTRY)
            continue;
        for (const PathCall& c : calls)
            if (long(info.entry.nr) == c.number && (pathHolds(info.entry.args[c.paths[0]], marker) ||
                                                    pathHolds(info.entry.args[c.paths[1]], marker)))
                return true;
    }
    return false;
}

QByteArray TracedChild::finish()
{
    if (m_child <= 0)
        return QByteArray();
    ::ptrace(PTRACE_DETACH, m_child, nullptr, nullptr);
    QByteArray answer;
    char chunk[256];
    for (ssize_t n; (n = ::read(m_answer, chunk, sizeof chunk)) > 0;)
        answer.append(chunk, n);
    ::waitpid(m_child, nullptr, 0);
    m_child = -1;
    return answer;
}

bool TracedChild::pathHolds(std::uint64_t address, const QByteArray& marker) const
{
    QByteArray path;
    for (int word = 0; word < 1024; ++word) {
        errno = 0;
        const long bytes =
            ::ptrace(PTRACE_PEEKDATA, m_child, address + std::uint64_t(word) * sizeof bytes, nullptr);
        if (errno != 0)
            break;
        const char* chars = reinterpret_cast<const char*>(&bytes);
        const std::size_t length = ::strnlen(chars, sizeof bytes);
        path.append(chars, qsizetype(length));
        if (length < sizeof bytes)
            break;
    }
    return path.contains(marker);
}

void TracedChild::kill()
{
    if (m_child <= 0)
        return;
    ::kill(m_child, SIGKILL);
    ::waitpid(m_child, nullptr, 0);
    m_child = -1;
}
