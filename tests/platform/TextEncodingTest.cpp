#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(TextEncoding, EveryCp1252ByteRoundTrips)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    auto back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(Cp1252ToUtf8("S\xFC"
                           "d \x80 \xA6"),
              "S\xC3\xBC"
              "d \xE2\x82\xAC \xC2\xA6");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9Equote\xE2\x80\x9C"), std::string("\x84quote\x93"));
}

TEST(TextEncoding, RefusesWhatCp1252CannotHold)
{
    EXPECT_FALSE(Utf8ToCp1252("\xE2\x82\xAC ok \xE6\x97\xA5").has_value());  // a CJK character
    EXPECT_FALSE(Utf8ToCp1252("\xC3").has_value());                          // cut sequence
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF").has_value());                      // overlong
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80").has_value());                  // surrogate
    EXPECT_EQ(Utf8ToCp1252Lossy("a\xE6\x97\xA5"
                                "b\xC3"),
              "a?b?");
}

}  // namespace
}  // namespace kx
