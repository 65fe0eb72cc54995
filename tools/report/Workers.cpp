#include "Workers.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

struct Running
{
    size_t index;
    pid_t pid;
    int fd;
    Clock::time_point start;
    std::string text;
    bool closed = false;
};

// The child's side: do the work, hand its text over the pipe, and leave without running the
// parent's exit handlers or flushing its buffers a second time.
[[noreturn]] void RunChild(int fd, size_t index, const std::function<std::string(size_t)>& work)
{
    int status = 0;
    try
    {
        const std::string text = work(index);
        for (size_t sent = 0; sent < text.size();)
        {
            ssize_t n = write(fd, text.data() + sent, text.size() - sent);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
            {
                status = 1;
                break;
            }
            sent += static_cast<size_t>(n);
        }
    }
    catch (...)
    {
        status = 1;
    }
    _exit(status);
}

bool Start(size_t index, const std::function<std::string(size_t)>& work, Running& running)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
    {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0)
    {
        close(fds[0]);
        RunChild(fds[1], index, work);
    }
    close(fds[1]);
    running = Running{index, pid, fds[0], Clock::now(), {}, false};
    return true;
}

// Reads what is there; closed once the child has shut its end.
void Drain(Running& running)
{
    char buffer[65536];
    ssize_t n = read(running.fd, buffer, sizeof buffer);
    if (n > 0)
        running.text.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || errno != EINTR)
        running.closed = true;
}

WorkerAnswer Finish(Running& running, bool timedOut)
{
    if (timedOut)
        kill(running.pid, SIGKILL);
    int status = 0;
    while (waitpid(running.pid, &status, 0) < 0 && errno == EINTR)
    {
    }
    close(running.fd);
    WorkerAnswer answer;
    answer.seconds = std::chrono::duration<double>(Clock::now() - running.start).count();
    if (timedOut)
        answer.end = WorkerAnswer::End::TimedOut;
    else if (WIFSIGNALED(status))
    {
        answer.end = WorkerAnswer::End::Crashed;
        answer.code = WTERMSIG(status);
    }
    else if (WEXITSTATUS(status) != 0)
    {
        answer.end = WorkerAnswer::End::Failed;
        answer.code = WEXITSTATUS(status);
    }
    else
        answer.text = std::move(running.text);
    return answer;
}
} // namespace

void RunInWorkers(size_t count, const WorkerLimits& limits,
                  const std::function<std::string(size_t)>& work,
                  const std::function<void(size_t)>& started,
                  const std::function<void(size_t, WorkerAnswer&&)>& answered)
{
    const auto limit = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(limits.secondsPerJob));
    const size_t jobs = limits.jobs > 0 ? limits.jobs : 1;
    std::vector<Running> running;
    size_t next = 0;
    while (next < count || !running.empty())
    {
        while (running.size() < jobs && next < count)
        {
            Running job{};
            started(next);
            if (Start(next, work, job))
                running.push_back(std::move(job));
            else
            {
                WorkerAnswer answer;
                answer.end = WorkerAnswer::End::Failed;
                answer.code = -1;
                answered(next, std::move(answer));
            }
            ++next;
        }
        if (running.empty())
            continue;
        std::vector<pollfd> fds;
        Clock::time_point firstDeadline = Clock::time_point::max();
        for (const Running& job : running)
        {
            fds.push_back({job.fd, POLLIN, 0});
            firstDeadline = std::min(firstDeadline, job.start + limit);
        }
        const auto wait =
            std::chrono::duration_cast<std::chrono::milliseconds>(firstDeadline - Clock::now());
        poll(fds.data(), fds.size(), static_cast<int>(std::max<long long>(0, wait.count()) + 1));
        for (size_t i = 0; i < running.size(); ++i)
            if (fds[i].revents != 0)
                Drain(running[i]);
        const auto now = Clock::now();
        for (size_t i = running.size(); i-- > 0;)
        {
            const bool timedOut = !running[i].closed && now >= running[i].start + limit;
            if (!running[i].closed && !timedOut)
                continue;
            const size_t index = running[i].index;
            WorkerAnswer answer = Finish(running[i], timedOut);
            running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
            answered(index, std::move(answer));
        }
    }
}

std::string DescribeFailure(const WorkerAnswer& answer, const WorkerLimits& limits)
{
    switch (answer.end)
    {
    case WorkerAnswer::End::Crashed:
        return "the import crashed (signal " + std::to_string(answer.code) + ", " +
               strsignal(answer.code) + ")";
    case WorkerAnswer::End::TimedOut:
        return "the import gave no answer within " +
               std::to_string(static_cast<long long>(std::ceil(limits.secondsPerJob))) +
               " s and was stopped";
    case WorkerAnswer::End::Failed:
        return answer.code < 0
                   ? "no worker could be started for the import"
                   : "the import's worker failed (exit status " + std::to_string(answer.code) + ")";
    case WorkerAnswer::End::Finished:
        break;
    }
    return "the import's worker gave an answer that could not be read";
}
