#include "platform/core/StrToInt.h"

#include <gtest/gtest.h>

#include <string>

struct TConversionCase {
    std::string text;
    int32_t expected;
};

class StrToIntTest : public testing::TestWithParam<TConversionCase> { };

TEST_P(StrToIntTest, ConvertsOrFallsBackToDefault)
{
    EXPECT_EQ(StrToIntDef(GetParam().text, 0), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Decimal, StrToIntTest,
    testing::Values(TConversionCase {"12", 12}, TConversionCase {"  12", 12}, TConversionCase {"-3", -3},
        TConversionCase {"+7", 7}, TConversionCase {"2147483647", 2147483647},
        TConversionCase {"-2147483648", INT32_MIN}, TConversionCase {"2147483648", 0},
        TConversionCase {"-2147483649", 0}, TConversionCase {"99999999999999999999", 0},
        TConversionCase {"12a", 0}, TConversionCase {"1A", 0}, TConversionCase {"12 ", 0},
        TConversionCase {"\t12", 0}, TConversionCase {"", 0}, TConversionCase {"-", 0},
        TConversionCase {"+-1", 0}, TConversionCase {" - 1", 0}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, StrToIntTest,
    testing::Values(TConversionCase {"0x1A", 26}, TConversionCase {"0X1a", 26}, TConversionCase {"$1A", 26},
        TConversionCase {"x1A", 26}, TConversionCase {"-0x10", -16}, TConversionCase {"+$10", 16},
        TConversionCase {"$FFFFFFFF", -1}, TConversionCase {"$80000000", INT32_MIN},
        TConversionCase {"-$80000000", INT32_MIN}, TConversionCase {"$000000001", 1},
        TConversionCase {"$100000000", 0}, TConversionCase {"0x", 0}, TConversionCase {"$", 0},
        TConversionCase {"$1G", 0}, TConversionCase {"  $1A", 26}));

TEST(StrToInt, DefaultIsReturnedOnFault)
{
    EXPECT_EQ(StrToIntDef("junk", -5), -5);
    EXPECT_EQ(StrToIntDef("0", -5), 0);
}
