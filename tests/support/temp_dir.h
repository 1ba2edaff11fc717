// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

namespace zandrel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;  // one owner removes the folder

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

}  // namespace zandrel::test
