#pragma once

#include "store/test_summary.h"

#include <string>
#include <string_view>

namespace vorlant {

// Whether test is a new personal best: its longest correct sequence is longer than that of
// every other saved test of person (a copy number " (N)" on either side left out) in folder.
// The test's own file, savedFileName, does not count, nor do files that cannot be read (an
// empty one is still being saved), names that carry no date and time, and tests without
// attempts. A first test has nothing to beat, so it is no record.
bool IsPersonalBest(const TestSummary &test, const std::string &folder, std::string_view person,
                    std::string_view savedFileName);

} // namespace vorlant
