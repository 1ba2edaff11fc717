// What the end-to-end test cannot see from outside: the manifest as the
// platform reads it, and the cursor while a dropped file converts.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "convert/report.h"
#include "shell/convert_dlg.h"

namespace {

const void* JapaneseResource(LPCSTR pszName, LPCSTR pszType, DWORD* pSize)
{
    const HRSRC hRes = ::FindResourceExA(nullptr, pszType, pszName, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    *pSize = hRes ? ::SizeofResource(nullptr, hRes) : 0;
    return hRes ? ::LockResource(::LoadResource(nullptr, hRes)) : nullptr;
}

TEST(Resources, ManifestRunsAsInvokerSystemDpiAwareWithCommonControls6)
{
    DWORD nSize = 0;
    const auto* pText = static_cast<const char*>(JapaneseResource(MAKEINTRESOURCEA(1), RT_MANIFEST, &nSize));
    ASSERT_NE(pText, nullptr);
    const std::string manifest(pText, nSize);
    for (const char* entry :
         {"<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">", "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
          "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">",
          "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\""})
        EXPECT_NE(manifest.find(entry), std::string::npos) << entry;
}

// The main dialog's drop handling, recording the cursor while each file
// converts and under each result box.
class CCursorProbeDlg : public CConvertDlg {
public:
    std::vector<std::string> m_log;

    int ConvertFile(CString) override
    {
        m_log.push_back(CursorName());
        return zandrel::kConvertDone;
    }

protected:
    int ShowResultBox(const char*, UINT) override
    {
        m_log.push_back(CursorName());
        return IDOK;
    }

private:
    static std::string CursorName()
    {
        const HCURSOR hCursor = ::GetCursor();
        return hCursor == ::LoadCursorA(nullptr, IDC_WAIT) ? "wait" : hCursor == ::LoadCursorA(nullptr, IDC_ARROW) ? "arrow" : "other";
    }
};

TEST(ConvertDlg, FilesConvertUnderTheBusyCursorAndTheirBoxesShowTheArrow)
{
    static const char kFiles[] = "C:\\a.bmp\0C:\\b.bmp\0";  // as the shell lists them
    const HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof kFiles);
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    std::memcpy(pDrop + 1, kFiles, sizeof kFiles);
    ::GlobalUnlock(hDrop);
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    CCursorProbeDlg dlg;
    dlg.OnDropFiles(static_cast<HDROP>(hDrop));
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"wait", "arrow", "wait", "arrow"}));
}

}  // namespace
