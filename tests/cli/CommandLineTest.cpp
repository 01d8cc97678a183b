#include "CliRun.h"

#include <gtest/gtest.h>

TEST(CommandLine, WithoutACommandItPrintsUsageAndFails) {
    const CliRun run = runCalc({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("usage: pennywell-calc COMMAND"));
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CommandLine, UnknownCommandIsBadUsage) {
    const CliRun run = runCalc({"divide"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown command 'divide'"));
}

TEST(CommandLine, HelpGoesToStandardOutput) {
    const CliRun run = runCalc({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("usage: pennywell-calc COMMAND"));
}
