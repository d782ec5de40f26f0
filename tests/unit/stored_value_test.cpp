#include "store/stored_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace blenker {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(StoredValueTest, OnlyAWholeFourByteNumberIsANumber) {
    EXPECT_EQ(DecodeNumber(StoredType::Number, Bytes{0x10, 0x27, 0, 0}), 10000);
    EXPECT_EQ(DecodeNumber(StoredType::Number, Bytes{0xFF, 0xFF, 0xFF, 0xFF}), -1);
    EXPECT_EQ(DecodeNumber(StoredType::Number, Bytes{1, 0}), std::nullopt);
    EXPECT_EQ(DecodeNumber(StoredType::Number, Bytes{1, 0, 0, 0, 0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(DecodeNumber(StoredType::Other, Bytes{1, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(DecodeNumber(StoredType::Text, Bytes{'1', 0, 0, 0}), std::nullopt);
}

TEST(StoredValueTest, ATextEndsAtItsFirstTerminatorOrWithItsBytes) {
    EXPECT_EQ(DecodeText(StoredType::Text, Bytes{'a', 'b', 0, 'c', 0}), "ab");
    EXPECT_EQ(DecodeText(StoredType::Text, Bytes{'a', 'b'}), "ab");
    EXPECT_EQ(DecodeText(StoredType::Text, Bytes{}), "");
    EXPECT_EQ(DecodeText(StoredType::Number, Bytes{'a', 0, 0, 0}), std::nullopt);
    EXPECT_EQ(DecodeText(StoredType::Other, Bytes{'a', 0}), std::nullopt);
}

}  // namespace
}  // namespace blenker
