// The About box and the ways the main dialog ends, driven through the
// messages the platform sends for menus, system commands and keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/about_dlg.h"
#include "shell/convert_app.h"
#include "shell/convert_dlg.h"
#include "support/win32/dialog_driver.h"

namespace {

using zandrel::test::AfterBody;
using zandrel::test::Driven;
using zandrel::test::kWatchdogEnd;
using zandrel::test::ModalWatcher;
using zandrel::test::SeenBox;

class MainDialogTest : public ::testing::Test {
protected:
    INT_PTR Run(Driven<CConvertDlg>& dlg)
    {
        m_app.m_pMainWnd = &dlg;
        const INT_PTR nEnd = dlg.DoModal();
        m_app.m_pMainWnd = nullptr;
        return nEnd;
    }

    CConvertApp m_app;
};

// The About box's content as the user sees it.
void ExpectAboutContent(const SeenBox& box, HWND hWndMain)
{
    EXPECT_EQ(box.strCaption, "バージョン情報");
    EXPECT_EQ(box.ItemText(IDC_ABOUT_TITLE), "Zandrel 1.2.2");
    EXPECT_EQ(box.ItemText(IDC_ABOUT_COPYRIGHT), "Copyright (C) 2026 Zandrel project");
    EXPECT_EQ(box.ItemText(IDOK), "OK");
    EXPECT_EQ(box.hWndOwner, hWndMain);
}

TEST_F(MainDialogTest, SystemCommandsOfTheAboutItemOpenTheAboutBoxOthersDoNot)
{
    struct Case {
        UINT nCommand;
        bool bOpensAbout;
    };
    const std::vector<Case> cases = {
        {0x0010, true}, {0x0011, true}, {0x0017, true}, {0x001F, true},
        {0x0000, false}, {0x000F, false}, {0x0020, false}, {0x0110, false},
    };
    Driven<CConvertDlg> dlg([&](CConvertDlg& d) {
        for (const Case& c : cases) {
            ModalWatcher watcher(d.m_hWnd);
            d.SendMessageA(WM_SYSCOMMAND, c.nCommand, 0);
            EXPECT_EQ(watcher.Seen().size(), c.bOpensAbout ? 1u : 0u) << std::hex << c.nCommand;
            if (!watcher.Seen().empty())
                ExpectAboutContent(watcher.Seen()[0], d.m_hWnd);
        }
        // The main dialog is unchanged afterwards.
        EXPECT_EQ(d.GetWindowTextA(), "Zandrel 1.2.2");
        EXPECT_EQ(::IsDlgButtonChecked(d.m_hWnd, IDC_WRITE_BINARY), UINT{BST_UNCHECKED});
        EXPECT_TRUE(::IsWindowEnabled(d.m_hWnd));
        return AfterBody::kEndDialog;
    });
    EXPECT_EQ(Run(dlg), IDCANCEL);
}

TEST_F(MainDialogTest, HelpMenuOpensTheSameAboutBoxEveryTime)
{
    Driven<CConvertDlg> dlg([](CConvertDlg& d) {
        ModalWatcher watcher(d.m_hWnd);
        d.SendMessageA(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        d.SendMessageA(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        EXPECT_EQ(watcher.Seen().size(), 2u);
        for (const SeenBox& box : watcher.Seen())
            ExpectAboutContent(box, d.m_hWnd);
        return AfterBody::kEndDialog;
    });
    EXPECT_EQ(Run(dlg), IDCANCEL);
}

// The ways out of the About box: the OK button, Enter, Escape, the close box.
struct AboutExit {
    const char* name;
    void (*dismiss)(const SeenBox& box);
};

class AboutExitTest : public MainDialogTest, public ::testing::WithParamInterface<AboutExit> {};

TEST_P(AboutExitTest, EndsTheAboutBoxOnly)
{
    const AboutExit& param = GetParam();
    Driven<CConvertDlg> dlg([&](CConvertDlg& d) {
        ModalWatcher watcher(d.m_hWnd, param.dismiss);
        d.OnAbout();  // returns only once the box has ended
        EXPECT_EQ(watcher.Seen().size(), 1u);
        EXPECT_TRUE(::IsWindow(d.m_hWnd));
        EXPECT_TRUE(::IsWindowEnabled(d.m_hWnd));
        return AfterBody::kEndDialog;
    });
    EXPECT_EQ(Run(dlg), IDCANCEL) << param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutExitTest,
    ::testing::Values(
        AboutExit{"OK button",
                  [](const SeenBox& box) { ::PostMessageA(::GetDlgItem(box.hWnd, IDOK), BM_CLICK, 0, 0); }},
        AboutExit{"Enter",
                  [](const SeenBox& box) {
                      ::PostMessageA(::GetDlgItem(box.hWnd, IDOK), WM_KEYDOWN, VK_RETURN, 0);
                  }},
        AboutExit{"Escape",
                  [](const SeenBox& box) {
                      ::PostMessageA(::GetDlgItem(box.hWnd, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
                  }},
        AboutExit{"close box", [](const SeenBox& box) { ::PostMessageA(box.hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const ::testing::TestParamInfo<AboutExit>& info) { return std::to_string(info.index); });

// The ways out of the main dialog, each ending the modal run (and with it
// the application).
struct MainExit {
    const char* name;
    void (*send)(HWND hDlg);
    INT_PTR nEnd;
};

class MainExitTest : public MainDialogTest, public ::testing::WithParamInterface<MainExit> {};

TEST_P(MainExitTest, EndsTheDialog)
{
    const MainExit& param = GetParam();
    Driven<CConvertDlg> dlg([&](CConvertDlg& d) {
        param.send(d.m_hWnd);
        return AfterBody::kKeepRunning;
    });
    EXPECT_EQ(Run(dlg), param.nEnd) << param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainExitTest,
    ::testing::Values(
        MainExit{"Enter",
                 [](HWND hDlg) { ::PostMessageA(::GetDlgItem(hDlg, IDC_ADD_CONST), WM_KEYDOWN, VK_RETURN, 0); },
                 IDOK},
        MainExit{"Escape",
                 [](HWND hDlg) { ::PostMessageA(::GetDlgItem(hDlg, IDC_ADD_CONST), WM_KEYDOWN, VK_ESCAPE, 0); },
                 IDCANCEL},
        MainExit{"close box", [](HWND hDlg) { ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        MainExit{"File > Exit", [](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(ID_APP_EXIT, 0), 0); },
                 IDCANCEL}),
    [](const ::testing::TestParamInfo<MainExit>& info) { return std::to_string(info.index); });

TEST(MinimisedIconPosition, CentresRoundingHalfUpAndTruncatingTowardZero)
{
    struct Case {
        RECT rcClient;
        int cxIcon, cyIcon;
        LONG x, y;
    };
    const std::vector<Case> cases = {
        {{0, 0, 36, 36}, 32, 32, 2, 2},
        {{0, 0, 0, 0}, 32, 32, -15, -15},      // -31 / 2 truncates to -15, not -16
        {{0, 0, 37, 35}, 32, 32, 3, 2},
        {{0, 0, 160, 24}, 32, 32, 64, -3},
        {{10, 20, 46, 56}, 32, 32, 2, 2},      // the size counts, not the origin
    };
    for (const Case& c : cases) {
        const POINT pt = MinimisedIconPosition(c.rcClient, c.cxIcon, c.cyIcon);
        EXPECT_EQ(pt.x, c.x) << c.rcClient.right;
        EXPECT_EQ(pt.y, c.y) << c.rcClient.bottom;
    }
}

TEST_F(MainDialogTest, MinimisedWindowPaintsWithoutDisturbingTheDialog)
{
    Driven<CConvertDlg> dlg([](CConvertDlg& d) {
        ::ShowWindow(d.m_hWnd, SW_MINIMIZE);
        EXPECT_TRUE(::IsIconic(d.m_hWnd));
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT rcUpdate;
        EXPECT_FALSE(::GetUpdateRect(d.m_hWnd, &rcUpdate, FALSE));  // the paint cycle ended
        ::ShowWindow(d.m_hWnd, SW_RESTORE);
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_FALSE(::GetUpdateRect(d.m_hWnd, &rcUpdate, FALSE));
        return AfterBody::kEndDialog;
    });
    EXPECT_EQ(Run(dlg), IDCANCEL);
}

}  // namespace
