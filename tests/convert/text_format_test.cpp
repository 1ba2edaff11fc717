#include "convert/text_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "convert/output_writer.h"

namespace {

using zandrel::ByteSink;
using zandrel::Color16;
using zandrel::TextBuffer;

// Keeps every write; refuses once nLimit bytes have been taken.
class RecordingSink final : public ByteSink {
public:
    explicit RecordingSink(std::size_t nLimit = SIZE_MAX) : m_nLimit(nLimit) {}
    bool Write(const void* pData, std::size_t nCount) override
    {
        if (text.size() + nCount > m_nLimit)
            return false;
        text.append(static_cast<const char*>(pData), nCount);
        writes.push_back(nCount);
        return true;
    }
    std::string text;
    std::vector<std::size_t> writes;

private:
    std::size_t m_nLimit;
};

std::string Printf(const char* pszFormat, unsigned nValue)
{
    char sz[16];
    const int n = std::snprintf(sz, sizeof sz, pszFormat, nValue);
    return std::string(sz, static_cast<std::size_t>(n));
}

TEST(ElementTextTest, EveryWordMatchesPrintf)
{
    for (unsigned n = 0; n <= 0xFFFF; ++n) {
        const std::string expected = Printf("0x%04X,", n);
        ASSERT_EQ(std::string(zandrel::WordElementText(static_cast<std::uint16_t>(n)), zandrel::kWordElementSize),
                  expected)
            << n;
    }
}

TEST(ElementTextTest, EveryByteMatchesPrintf)
{
    for (unsigned n = 0; n <= 0xFF; ++n) {
        const std::string expected = Printf("0x%02X,", n);
        ASSERT_EQ(std::string(zandrel::ByteElementText(static_cast<std::uint8_t>(n)), zandrel::kByteElementSize),
                  expected)
            << n;
    }
}

// Runs far past one block so that elements land on every block boundary.
TEST(TextBufferTest, LongRunsAcrossBlockBoundariesMatchPrintf)
{
    std::vector<Color16> words(400'003);
    std::vector<std::uint8_t> bytes(600'007);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<Color16>(i * 40503u);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 167u);

    std::string expected = "head";
    for (Color16 w : words)
        expected += Printf("0x%04X,", w);
    expected += "mid";
    for (std::uint8_t b : bytes)
        expected += Printf("0x%02X,", b);

    RecordingSink sink;
    TextBuffer text(sink);
    EXPECT_TRUE(text.Append("head"));
    EXPECT_TRUE(text.AppendWords(words.data(), words.size()));
    EXPECT_TRUE(text.Append("mid"));
    EXPECT_TRUE(text.AppendBytes(bytes.data(), bytes.size()));
    EXPECT_TRUE(text.Flush());

    EXPECT_EQ(sink.text, expected);
    EXPECT_GT(sink.writes.size(), 3u);
    for (std::size_t n : sink.writes)
        EXPECT_LE(n, TextBuffer::kCapacity);
}

TEST(TextBufferTest, PlainTextLongerThanTheBlockArrivesWhole)
{
    std::string big(TextBuffer::kCapacity * 2 + 17, 'x');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('a' + i % 26);
    RecordingSink sink;
    TextBuffer text(sink);
    EXPECT_TRUE(text.Append(big.data(), big.size()));
    EXPECT_TRUE(text.Flush());
    EXPECT_EQ(sink.text, big);
}

TEST(TextBufferTest, StopsAtTheFirstRefusedWrite)
{
    std::vector<Color16> words(TextBuffer::kCapacity);  // 7 blocks of text
    RecordingSink sink(TextBuffer::kCapacity + 10);
    TextBuffer text(sink);
    EXPECT_FALSE(text.AppendWords(words.data(), words.size()));
    EXPECT_FALSE(text.Good());
    EXPECT_FALSE(text.Append("more"));
    EXPECT_FALSE(text.Flush());
    EXPECT_EQ(sink.writes.size(), 1u);  // the first block, then nothing
}

}  // namespace
