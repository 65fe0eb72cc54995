#pragma once
// Work for the second core: on a thread of its own when the system gives one, else done when
// its result is asked for, so that a process short of threads still gets the same answer.
#include <future>
#include <utility>

template <class Work> auto Beside(Work&& work)
{
    return std::async(std::launch::async | std::launch::deferred, std::forward<Work>(work));
}
