#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace zandrel::test {

TempDir::TempDir()
{
    static std::atomic<unsigned> s_nCounter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::filesystem::path root = std::filesystem::temp_directory_path();
    for (;;) {
        const std::filesystem::path candidate =
            root / ("zandrel-test-" + std::to_string(stamp) + "-" + std::to_string(s_nCounter++));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            m_path = candidate.generic_string();
            return;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

}  // namespace zandrel::test
