// TextBuffer: a sink that refuses bytes ends the text, and every later call says so.
#include "convert/output/text_buffer.h"

#include <gtest/gtest.h>

namespace {

struct RefusingSink final : zandrel::ByteSink {
    bool Write(const void*, std::size_t) override { return false; }
};

TEST(TextBuffer, ARefusedWriteFailsTheFlushAndWhatFollows)
{
    RefusingSink sink;
    zandrel::TextBuffer text(sink);
    EXPECT_TRUE(text.Append("abc"));
    EXPECT_FALSE(text.Flush());
    EXPECT_FALSE(text.Append("d"));
    EXPECT_FALSE(text.Good());
}

}  // namespace
