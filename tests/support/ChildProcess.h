#pragma once

#include <QByteArray>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs `work` in a child process of its own (for what would change this process for good: its
// user, its namespaces) and returns the bytes it answered; empty when no child could start.
inline QByteArray answerOfChild(const std::function<QByteArray()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QByteArray();
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return QByteArray();
    }
    if (child == 0) {
        ::close(channel[0]);
        const QByteArray answer = work();
        [[maybe_unused]] const ssize_t written =
            ::write(channel[1], answer.constData(), size_t(answer.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray answer;
    char chunk[256];
    for (ssize_t n; (n = ::read(channel[0], chunk, sizeof chunk)) > 0;)
        answer.append(chunk, n);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return answer;
}
