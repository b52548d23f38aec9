// Text forms of bytes and the exact acceptance rules of the parsers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "view/ByteTextCodec.h"

namespace {

std::string hexOf(const std::vector<std::uint8_t>& bytes)
{
    std::string text(bytes.size() * 3 + 1, '?');
    formatHex(text.data(), bytes.data(), static_cast<int>(bytes.size()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

TEST(CodecFormat, HexIsTwoLowercaseDigitsAndASpace)
{
    EXPECT_EQ(hexOf({0x00, 0x0A, 0xFF}), "00 0a ff ");
    EXPECT_EQ(hexOf({}), "");
}

} // namespace
