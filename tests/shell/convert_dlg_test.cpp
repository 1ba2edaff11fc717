// The main dialog, created from its real template and driven inside its own
// modal loop, the way the platform delivers messages to it.
#include "shell/convert_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/conversion_result.h"
#include "res/resource.h"
#include "shell/convert_app.h"
#include "support/win32/dialog_driver.h"

namespace {

using zandrel::test::AfterBody;
using zandrel::test::Driven;
using zandrel::test::kWatchdogEnd;
using zandrel::test::MakeDrop;
using zandrel::test::ModalWatcher;

// The dialog with its calls beyond the window recorded in one log: each
// conversion and each box in the order they happen, with canned results.
class CRecordingDlg : public CConvertDlg {
public:
    std::vector<std::string> log;
    std::vector<int> results;       // one per conversion, in order
    int nFinishedDrops = 0;

    int ConvertFile(CString strPath) override
    {
        log.push_back("convert " + strPath.Str());
        const size_t nIndex = m_nConverted++;
        return nIndex < results.size() ? results[nIndex] : zandrel::kConvertDone;
    }

protected:
    int ShowResultBox(const char* pszText, UINT nType) override
    {
        log.push_back("box " + std::to_string(nType) + " " + pszText);
        return IDOK;
    }
    void FinishDrop(HDROP hDropInfo) override
    {
        ++nFinishedDrops;
        CConvertDlg::FinishDrop(hDropInfo);
    }

private:
    size_t m_nConverted = 0;
};

class ConvertDlgTest : public ::testing::Test {
protected:
    // Runs the dialog with the body inside its modal loop; the end code.
    template <class TDialog>
    INT_PTR Run(Driven<TDialog>& dlg)
    {
        m_app.m_pMainWnd = &dlg;
        const INT_PTR nEnd = dlg.DoModal();
        m_app.m_pMainWnd = nullptr;
        return nEnd;
    }

    CConvertApp m_app;
};

bool IsChecked(HWND hDlg, int nID)
{
    return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
}

const char kSuccess[] = "データを書き出しました";
const char kRefusal[] = "8/24/32bpp のビットマップファイルをドラッグ＆ドロップしてください";
const char kWriteFailure[] = "データを書き出せませんでした";

TEST_F(ConvertDlgTest, FreshStartShowsDefaultsCaptionAndAboutItem)
{
    Driven<CConvertDlg> dlg([](CConvertDlg& d) {
        EXPECT_FALSE(IsChecked(d.m_hWnd, IDC_WRITE_BINARY));
        EXPECT_TRUE(IsChecked(d.m_hWnd, IDC_ADD_PREFIX));
        EXPECT_TRUE(IsChecked(d.m_hWnd, IDC_ADD_CONST));
        EXPECT_TRUE(IsChecked(d.m_hWnd, IDC_LITTLE_ENDIAN));
        EXPECT_EQ(d.GetWindowTextA(), "Zandrel 1.2.2");
        EXPECT_EQ(::GetWindowLongA(d.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, WS_EX_ACCEPTFILES);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, IDC_ADD_CONST));

        const HMENU hSysMenu = ::GetSystemMenu(d.m_hWnd, FALSE);
        const int nCount = ::GetMenuItemCount(hSysMenu);
        EXPECT_GE(nCount, 2);
        EXPECT_EQ(::GetMenuState(hSysMenu, static_cast<UINT>(nCount - 2), MF_BYPOSITION) & MF_SEPARATOR,
                  UINT{MF_SEPARATOR});
        EXPECT_EQ(::GetMenuItemID(hSysMenu, nCount - 1), UINT{IDM_ABOUTBOX});
        char szItem[64] = {};
        ::GetMenuStringA(hSysMenu, static_cast<UINT>(nCount - 1), szItem, sizeof szItem, MF_BYPOSITION);
        EXPECT_STREQ(szItem, "バージョン情報(&A)");

        EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessageA(WM_GETICON, ICON_BIG)), d.m_hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessageA(WM_GETICON, ICON_SMALL)), d.m_hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessageA(WM_QUERYDRAGICON)), d.m_hIcon);
        return AfterBody::kEndDialog;
    });
    EXPECT_NE(dlg.m_hIcon, nullptr);
    EXPECT_EQ(Run(dlg), IDCANCEL);
}

TEST_F(ConvertDlgTest, DropConvertsInIndexOrderAndShowsEachBoxBeforeTheNextFile)
{
    Driven<CRecordingDlg> dlg([](CRecordingDlg& d) {
        d.results = {zandrel::kConvertDone, zandrel::kConvertRefused, zandrel::kConvertDone};
        d.SendMessageA(WM_DROPFILES,
                       reinterpret_cast<WPARAM>(MakeDrop({"Z:\\tmp\\a.bmp", "Z:\\tmp\\b.txt", "Z:\\tmp\\c.bmp"})));
        return AfterBody::kEndDialog;
    });
    Run(dlg);
    const std::vector<std::string> expected = {
        "convert Z:\\tmp\\a.bmp", std::string("box 64 ") + kSuccess,
        "convert Z:\\tmp\\b.txt", std::string("box 0 ") + kRefusal,
        "convert Z:\\tmp\\c.bmp", std::string("box 64 ") + kSuccess,
    };
    EXPECT_EQ(dlg.log, expected);
    EXPECT_EQ(dlg.nFinishedDrops, 1);
}

struct ResultBoxCase {
    int nResult;
    UINT nType;
    const char* text;
};

class ResultBoxTest : public ConvertDlgTest, public ::testing::WithParamInterface<ResultBoxCase> {};

TEST_P(ResultBoxTest, EachResultHasItsBox)
{
    const ResultBoxCase& c = GetParam();
    Driven<CRecordingDlg> dlg([&](CRecordingDlg& d) {
        d.results = {c.nResult};
        d.SendMessageA(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"C:\\x.bmp"})));
        return AfterBody::kEndDialog;
    });
    Run(dlg);
    ASSERT_EQ(dlg.log.size(), 2u);
    EXPECT_EQ(dlg.log[1], "box " + std::to_string(c.nType) + " " + c.text);
}

// Only 1 is success; a failed write has its own warning; anything else,
// even a value the engine does not return today, reads as a refusal.
INSTANTIATE_TEST_SUITE_P(Results, ResultBoxTest,
                         ::testing::Values(ResultBoxCase{zandrel::kConvertDone, MB_OK | MB_ICONINFORMATION, kSuccess},
                                           ResultBoxCase{zandrel::kConvertRefused, MB_OK, kRefusal},
                                           ResultBoxCase{zandrel::kConvertWriteFailed,
                                                         MB_OK | MB_ICONEXCLAMATION, kWriteFailure},
                                           ResultBoxCase{-1, MB_OK, kRefusal}, ResultBoxCase{3, MB_OK, kRefusal}));

TEST_F(ConvertDlgTest, EmptyDropConvertsNothingShowsNothingAndReleasesTheHandleOnce)
{
    Driven<CRecordingDlg> dlg([](CRecordingDlg& d) {
        d.SendMessageA(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({})));
        return AfterBody::kEndDialog;
    });
    Run(dlg);
    EXPECT_TRUE(dlg.log.empty()) << ::testing::PrintToString(dlg.log);
    EXPECT_EQ(dlg.nFinishedDrops, 1);
}

TEST_F(ConvertDlgTest, LongPathArrivesWhole)
{
    // Far beyond the 259 characters of a fixed MAX_PATH buffer.
    const std::string path = "C:\\" + std::string(300, 'd') + "\\" + std::string(200, 'f') + ".bmp";
    Driven<CRecordingDlg> dlg([&](CRecordingDlg& d) {
        d.SendMessageA(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path, "C:\\short.bmp"})));
        return AfterBody::kEndDialog;
    });
    Run(dlg);
    ASSERT_EQ(dlg.log.size(), 4u);
    EXPECT_EQ(dlg.log[0], "convert " + path);
    EXPECT_EQ(dlg.log[2], "convert C:\\short.bmp");
}

TEST_F(ConvertDlgTest, RealResultBoxIsOwnedByTheDialogAndCaptionedWithTheTitle)
{
    // The base dialog's own box, met by a hook and answered with OK.
    std::vector<zandrel::test::SeenBox> seen;
    HWND hWndMain = nullptr;
    class CEngineRefuses : public CConvertDlg {
    public:
        int ConvertFile(CString) override { return zandrel::kConvertRefused; }
    };
    Driven<CEngineRefuses> dlg([&](CEngineRefuses& d) {
        hWndMain = d.m_hWnd;
        ModalWatcher watcher(d.m_hWnd);
        EXPECT_TRUE(watcher.Installed());
        d.SendMessageA(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"C:\\a.txt", "C:\\b.txt"})));
        seen = watcher.Seen();
        return AfterBody::kEndDialog;
    });
    EXPECT_EQ(Run(dlg), IDCANCEL);
    ASSERT_EQ(seen.size(), 2u);
    for (const auto& box : seen) {
        EXPECT_EQ(box.strCaption, "Merrowin");
        EXPECT_EQ(box.hWndOwner, hWndMain);
        bool bHasText = false;
        for (const auto& item : box.items)
            bHasText = bHasText || item.second == kRefusal;
        EXPECT_TRUE(bHasText);
    }
}

}  // namespace
