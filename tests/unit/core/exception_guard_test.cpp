#include "core/ui/ExceptionGuard.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

TEST(ExceptionGuard, AnExceptionBecomesAStatusMessageAndTheFallback)
{
    RecordingStatusLine status;
    EXPECT_EQ(guardedCall<long>(&status, 0, [] { return 7L; }), 7);
    EXPECT_TRUE(status.texts.empty());

    EXPECT_EQ(guardedCall<long>(&status, -1, []() -> long { throw std::runtime_error("vector::_M_range_check"); }), -1);
    EXPECT_EQ(status.last(), "処理中に例外が発生しました。vector::_M_range_check");

    EXPECT_EQ(guardedCall<int>(&status, 1, []() -> int { throw 42; }), 1);
    EXPECT_EQ(status.last(), "処理中に例外が発生しました。");

    // Without a status line there is nobody to tell, and still nothing escapes.
    EXPECT_EQ(guardedCall<int>(nullptr, 2, []() -> int { std::vector<int>().at(1); return 0; }), 2);
}
