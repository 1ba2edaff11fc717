// TempDir: a fresh folder for one test, named by the clock and a counter, removed with its contents.
#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>

namespace zandrel::test {

TempDir::TempDir()
{
    static std::atomic<unsigned> s_nCounter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    do
        m_path = std::filesystem::temp_directory_path().generic_string() + "/zandrel-test-" + std::to_string(stamp) +
                 "-" + std::to_string(s_nCounter++);
    while (!std::filesystem::create_directory(m_path));
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

}  // namespace zandrel::test
