// Jobs in child processes (where there is fork): whatever a job does, every job gets its answer and the run goes on.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <map>
#include <unistd.h>

#include "Workers.h"

namespace
{
std::map<size_t, WorkerAnswer> RunAll(size_t count, const WorkerLimits& limits,
                                      const std::function<std::string(size_t)>& work)
{
    std::map<size_t, WorkerAnswer> answers;
    RunInWorkers(
        count, limits, work, [](size_t) {},
        [&](size_t i, WorkerAnswer&& answer) { answers[i] = std::move(answer); });
    return answers;
}
} // namespace

#ifdef _WIN32
// Windows runs the jobs in the one process: only a job that throws fails alone.
TEST(Workers, AFailingJobCostsOnlyItsOwnAnswer)
{
    auto answers = RunAll(3, {2, 1.0},
                          [](size_t i) -> std::string
                          {
                              if (i == 1)
                                  throw std::runtime_error("no");
                              return "job " + std::to_string(i);
                          });
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0].text, "job 0");
    EXPECT_EQ(answers[1].end, WorkerAnswer::End::Failed);
    EXPECT_EQ(answers[2].text, "job 2");
}
#else
TEST(Workers, CrashHangAndFailureCostOnlyTheirOwnAnswer)
{
    const WorkerLimits limits{2, 1.0};
    auto answers = RunAll(6, limits,
                          [](size_t i) -> std::string
                          {
                              if (i == 1)
                                  std::abort();
                              if (i == 2)
                                  for (;;)
                                      pause();
                              if (i == 3)
                                  _exit(7);
                              if (i == 4)
                                  throw std::runtime_error("no");
                              return "job " + std::to_string(i);
                          });
    ASSERT_EQ(answers.size(), 6u);
    EXPECT_EQ(answers[0].end, WorkerAnswer::End::Finished);
    EXPECT_EQ(answers[0].text, "job 0");
    EXPECT_EQ(answers[5].text, "job 5");
    EXPECT_EQ(answers[1].end, WorkerAnswer::End::Crashed);
    EXPECT_EQ(answers[1].code, SIGABRT);
    EXPECT_EQ(answers[2].end, WorkerAnswer::End::TimedOut);
    EXPECT_GE(answers[2].seconds, 1.0);
    EXPECT_EQ(answers[3].end, WorkerAnswer::End::Failed);
    EXPECT_EQ(answers[3].code, 7);
    EXPECT_EQ(answers[4].end, WorkerAnswer::End::Failed);

    EXPECT_EQ(DescribeFailure(answers[1], limits).rfind("the import crashed (signal 6", 0), 0u);
    EXPECT_EQ(DescribeFailure(answers[2], limits),
              "the import gave no answer within 1 s and was stopped");
}
#endif

TEST(Workers, LongAnswersArriveWholeFromJobsRunningAtOnce)
{
    auto answers = RunAll(5, {3, 30}, [](size_t i) { return std::string(300000 + i, 'a' + i); });
    ASSERT_EQ(answers.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(answers[i].text, std::string(300000 + i, 'a' + i)) << i;
}
