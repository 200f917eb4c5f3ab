#include "cli/csv.h"

#include <gtest/gtest.h>

namespace tarnvale::cli {
namespace {

TEST(Csv, QuotesOnlyWhereNeeded) {
    std::string out;
    appendCsvRecord(out, {"plain", "a,b", "say \"hi\"", "", "two\nlines"});
    EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",,\"two\nlines\"\r\n");
}

}  // namespace
}  // namespace tarnvale::cli
