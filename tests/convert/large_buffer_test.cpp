#include "convert/large_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

using zandrel::LargeBuffer;

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Every byte of the block is usable (a trimmed mapping that came out short
// would fault), and the big blocks start on a huge-page boundary.
TEST(LargeBufferTest, WholeBlockIsUsableAtEverySize)
{
    for (std::size_t nBytes : {std::size_t{1}, 2 * kMiB - 1, 2 * kMiB, 5 * kMiB + 3, 16 * kMiB}) {
        LargeBuffer buffer;
        ASSERT_TRUE(buffer.Allocate(nBytes)) << nBytes;
        ASSERT_NE(buffer.Data(), nullptr);
        EXPECT_EQ(buffer.Size(), nBytes);
        std::memset(buffer.Data(), 0xA5, nBytes);
        EXPECT_EQ(buffer.Data()[0], 0xA5);
        EXPECT_EQ(buffer.Data()[nBytes - 1], 0xA5);
#if defined(__linux__)
        if (nBytes >= 2 * kMiB) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer.Data()) % (2 * kMiB), 0u) << nBytes;
        }
#endif
    }
}

TEST(LargeBufferTest, ZeroBytesIsAnEmptyBuffer)
{
    LargeBuffer buffer;
    ASSERT_TRUE(buffer.Allocate(3 * kMiB));
    EXPECT_TRUE(buffer.Allocate(0));
    EXPECT_EQ(buffer.Data(), nullptr);
    EXPECT_EQ(buffer.Size(), 0u);
}

TEST(LargeBufferTest, MovesHandOverTheBlock)
{
    for (std::size_t nBytes : {std::size_t{100}, 4 * kMiB}) {
        LargeBuffer a;
        ASSERT_TRUE(a.Allocate(nBytes));
        a.Data()[nBytes - 1] = 7;
        std::uint8_t* const p = a.Data();

        LargeBuffer b(std::move(a));
        EXPECT_EQ(a.Data(), nullptr);
        EXPECT_EQ(b.Data(), p);

        LargeBuffer c;
        ASSERT_TRUE(c.Allocate(3 * kMiB));
        c = std::move(b);  // frees c's own block first
        EXPECT_EQ(b.Data(), nullptr);
        EXPECT_EQ(c.Data(), p);
        EXPECT_EQ(c.Size(), nBytes);
        EXPECT_EQ(c.Data()[nBytes - 1], 7);
    }
}

}  // namespace
