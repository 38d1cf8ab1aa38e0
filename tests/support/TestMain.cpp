// The main of every test program. GoogleTest counts a skipped test as passed,
// so ctest would too: a program with skips (and no failures) ends with
// WORDLUMO_SKIP_EXIT_CODE instead, which ctest shows as not run ("Skipped"),
// and lists each skip with its reason. Where every condition is promised
// (WORDLUMO_CI set, as .ci/run does), a skip fails the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {
void ListSkips(const testing::UnitTest& run)
{
    for (int s = 0; s < run.total_test_suite_count(); ++s) {
        const testing::TestSuite& suite = *run.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const testing::TestInfo& test = *suite.GetTestInfo(t);
            const testing::TestResult& result = *test.result();
            if (!result.Skipped())
                continue;
            std::printf("skipped: %s.%s:", suite.name(), test.name());
            for (int p = 0; p < result.total_part_count(); ++p)
                std::printf(" %s", result.GetTestPartResult(p).message());
            std::printf("\n");
        }
    }
}
}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    if (failed != 0 || run.skipped_test_count() == 0)
        return failed;
    ListSkips(run);
    if (std::getenv("WORDLUMO_CI")) {
        std::printf("%d test(s) skipped where nothing may be: failed\n", run.skipped_test_count());
        return 1;
    }
    std::printf("%d test(s) skipped\n", run.skipped_test_count());
    std::fflush(stdout);
    return WORDLUMO_SKIP_EXIT_CODE;
}
