// Windows has no fork: the jobs run one after another in the calling process, so a job that
// crashes or hangs takes the whole report with it, and no time limit applies.
#include "Workers.h"

#include <chrono>

void RunInWorkers(size_t count, const WorkerLimits&,
                  const std::function<std::string(size_t)>& work,
                  const std::function<void(size_t)>& started,
                  const std::function<void(size_t, WorkerAnswer&&)>& answered)
{
    using Clock = std::chrono::steady_clock;
    for (size_t index = 0; index < count; ++index)
    {
        started(index);
        const auto start = Clock::now();
        WorkerAnswer answer;
        try
        {
            answer.text = work(index);
        }
        catch (...)
        {
            answer.end = WorkerAnswer::End::Failed;
            answer.code = 1;
        }
        answer.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        answered(index, std::move(answer));
    }
}

std::string DescribeFailure(const WorkerAnswer& answer, const WorkerLimits&)
{
    return answer.end == WorkerAnswer::End::Failed ? "the import stopped with an error"
                                                   : "the import gave an answer that could not be read";
}
