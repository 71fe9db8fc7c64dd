#include "app/error_guard.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vorlant {
namespace {

TEST(RunReportingErrors, ShowsAnEscapingErrorAndStopsOnlyThatWork)
{
    testing::RecordingSink sink;
    int steps = 0;
    EXPECT_TRUE(RunReportingErrors(sink, [&] { ++steps; }));
    EXPECT_FALSE(RunReportingErrors(sink, [&] {
        throw std::runtime_error("Soubor nelze otevřít");
        ++steps;
    }));
    EXPECT_FALSE(RunReportingErrors(sink, [] { throw 42; }));
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(sink.errors, (std::vector<std::string>{"Soubor nelze otevřít", kUnknownErrorText}));
}

} // namespace
} // namespace vorlant
