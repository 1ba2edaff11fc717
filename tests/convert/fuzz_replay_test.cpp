// The fuzz targets' own checks, run natively: every seed of fuzz/corpus,
// every input fuzzing once found (tests/data/fuzz) and every golden input,
// whole and cut at every length; and one image whose text and rows pass the
// writers' block and the reader's chunk several times.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz_support.h"
#include "support/bitmap_builder.h"

namespace {

namespace fs = std::filesystem;
using Target = int (*)(const std::uint8_t*, std::size_t);

// Stops at the first length whose check fails.
void ReplayEveryLength(Target target, const zandrel::test::Bytes& bytes, const std::string& name)
{
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        try {
            target(bytes.data(), n);
        } catch (const std::exception& error) {
            ADD_FAILURE() << name << " cut to " << n << " bytes: " << error.what();
            return;
        }
    }
}

void ReplayFolder(const fs::path& folder, std::initializer_list<Target> targets)
{
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string path = entry.path().generic_string();
        if (entry.is_regular_file() && path.find("/expect/") == std::string::npos && !path.ends_with(".txt")) {
            for (const Target target : targets)
                ReplayEveryLength(target, *zandrel::test::ReadFileBytes(path), path);
        }
    }
}

TEST(FuzzReplay, SeedsFindingsAndGoldenInputsKeepEveryInvariant)
{
    using namespace zandrel::fuzz;
    const fs::path corpus = fs::path(ZANDREL_FUZZ_DIR) / "corpus";
    ReplayFolder(corpus / "fuzz_true_color", {FuzzTrueColor});
    ReplayFolder(corpus / "fuzz_indexed", {FuzzIndexed});
    ReplayFolder(corpus / "fuzz_naming", {FuzzNaming});
    ReplayFolder(fs::path(ZANDREL_TEST_DATA_DIR) / "fuzz", {FuzzTrueColor, FuzzIndexed});
    ReplayFolder(fs::path(ZANDREL_TEST_DATA_DIR) / "golden", {FuzzTrueColor, FuzzIndexed});
}

TEST(FuzzReplay, ImageLargerThanTheTextBlockAndTheReadChunk)
{
    const zandrel::test::Bytes file = zandrel::test::MakeTrueColorBitmap(640, 480, 32, [](int x, int y) {
        return zandrel::test::Bgra{std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y), std::uint8_t(x + y)};
    });
    EXPECT_NO_THROW(zandrel::fuzz::FuzzTrueColor(file.data(), file.size()));
}

}  // namespace
