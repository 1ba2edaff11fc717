// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace zandrel::test {

class TempDir {
public:
    TempDir()
    {
        static std::atomic<unsigned> s_nCounter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        do
            m_path = std::filesystem::temp_directory_path().generic_string() + "/zandrel-test-" +
                     std::to_string(stamp) + "-" + std::to_string(s_nCounter++);
        while (!std::filesystem::create_directory(m_path));
    }
    ~TempDir() { std::filesystem::remove_all(m_path, m_error); }
    TempDir(const TempDir&) = delete;  // one owner removes the folder

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    std::error_code m_error;
};

}  // namespace zandrel::test
