// The application object: its title, its registration with the module state,
// and the message box that carries the title.
#include <gtest/gtest.h>

#include <string>

#include "framework/win32/afx.h"
#include "res/resource.h"
#include "support/win32/dialog_driver.h"

namespace {

TEST(CWinApp, TitleComesFromTheStringTableWhenNoNameIsGiven)
{
    CWinApp app;
    EXPECT_STREQ(app.m_pszAppName, "Merrowin");
    EXPECT_EQ(AfxGetApp(), &app);
}

TEST(CWinApp, GivenNameWinsAndTheObjectUnregistersAtItsEnd)
{
    {
        CWinApp app("Other");
        EXPECT_STREQ(app.m_pszAppName, "Other");
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(CString, LoadStringA)
{
    AfxGetModuleState();
    struct Case {
        unsigned nID;
        bool bLoaded;
        const char* text;
    };
    const Case cases[] = {
        {IDS_ABOUTBOX, true, "バージョン情報(&A)"},
        {AFX_IDS_APP_TITLE, true, "Merrowin"},
        {4242, false, ""},
    };
    for (const Case& c : cases) {
        CString str("left over");
        EXPECT_EQ(str.LoadStringA(c.nID), c.bLoaded) << c.nID;
        EXPECT_EQ(str, c.text) << c.nID;
    }
}

TEST(AfxFindResourceHandle, FindsTheProgramsResources)
{
    const HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON);
    EXPECT_EQ(hInstance, ::GetModuleHandleA(nullptr));
    EXPECT_NE(::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);
}

TEST(AfxMessageBox, CaptionIsTheApplicationTitle)
{
    CWinApp app;
    zandrel::test::ModalWatcher watcher(nullptr);
    ASSERT_TRUE(watcher.Installed());
    EXPECT_EQ(AfxMessageBox("text", MB_OK, 0), IDOK);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].strCaption, "Merrowin");
    EXPECT_EQ(watcher.Seen()[0].hWndOwner, nullptr);  // no main window yet
}

}  // namespace
