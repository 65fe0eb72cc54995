#pragma once
// Runs jobs each in a child process of its own, a few at a time, so that a job that crashes
// or hangs costs only its own answer.
#include <cstddef>
#include <functional>
#include <string>

struct WorkerAnswer
{
    enum class End
    {
        Finished, // exited with status 0; text is what it wrote
        Failed,   // exited with another status
        Crashed,  // ended by a signal
        TimedOut, // killed at the time limit
    };
    End end = End::Finished;
    int code = 0; // exit status or signal number
    std::string text;
    double seconds = 0;
};

struct WorkerLimits
{
    unsigned jobs = 1;
    double secondsPerJob = 60;
};

// Calls work(i) in a child for every i below count, at most limits.jobs at once; the child's
// returned text comes back in answered(i, answer), in the order the jobs end. started(i) is
// called as each job begins. Runs in the calling thread; the callbacks run in it too.
void RunInWorkers(size_t count, const WorkerLimits& limits,
                  const std::function<std::string(size_t)>& work,
                  const std::function<void(size_t)>& started,
                  const std::function<void(size_t, WorkerAnswer&&)>& answered);

// Why a job gave no usable answer, in words: "the import crashed (signal 11, ...)", ...
std::string DescribeFailure(const WorkerAnswer& answer, const WorkerLimits& limits);
