#include "StrToInt.h"

#include <gtest/gtest.h>

namespace str_to_int_test {

TEST(StrToIntTest, DecimalTextsConvert) {
    const struct {
        const char* Text;
        int Value;
    } cases[] = {
        {"12", 12}, {"-5", -5}, {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt(c.Text), c.Value) << c.Text;
    }
}

TEST(StrToIntTest, AnythingElseRaisesWithTheText) {
    for (const char* text : {"", " ", " 12", "12 ", "+7", "abc", "12x", "1 2", "+-5", "--5", "0x10", "$10",
                             "2147483648", "-2147483649", "99999999999999999999999"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "no raise for \"" << text << "\"";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

} // namespace str_to_int_test
