// CDialog, data exchange and default processing, on the About box's template
// (one OK button and two static texts) with a dialog class of the test's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win32/afx.h"
#include "res/resource.h"
#include "support/win32/dialog_driver.h"

namespace {

using zandrel::test::AfterBody;
using zandrel::test::Driven;

// A dialog whose map sees WM_SETTEXT and WM_GETTEXTLENGTH: the first handled
// with default processing, the second answered by the map itself.
class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(IDD_ABOUTBOX) {}

    std::vector<std::string> seen;
    int m_nSetTextCalls = 0;
    bool m_bAnswerLength = false;

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_SETTEXT) {
            ++m_nSetTextCalls;
            seen.emplace_back(reinterpret_cast<const char*>(lParam));
            *pResult = Default();
            return TRUE;
        }
        if (message == WM_GETTEXTLENGTH && m_bAnswerLength) {
            *pResult = 4242;
            return TRUE;
        }
        return CDialog::OnWndMsg(message, wParam, lParam, pResult);
    }
};

TEST(CDialog, DefaultProcessesTheCurrentMessageOnce)
{
    Driven<CProbeDlg> dlg([](CProbeDlg& d) {
        d.SetWindowTextA("new caption");
        EXPECT_EQ(d.m_nSetTextCalls, 1);       // the platform's pass back into our procedure is declined
        EXPECT_EQ(d.GetWindowTextA(), "new caption");
        d.m_bAnswerLength = true;
        EXPECT_EQ(d.SendMessageA(WM_GETTEXTLENGTH), 4242);  // a handled result reaches the sender
        return AfterBody::kEndDialog;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(CDialog, MissingTemplateFailsTheModalRun)
{
    CDialog dlg(4711);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(CDialog, OkTakesTheControlsIntoTheFieldsAndEndsWithIdok)
{
    // The About template's OK button; a click ends the run through OnOK.
    class COkDlg : public CDialog {
    public:
        COkDlg() : CDialog(IDD_ABOUTBOX) {}
        int m_nSaves = 0;
        void DoDataExchange(CDataExchange* pDX) override { m_nSaves += pDX->m_bSaveAndValidate ? 1 : 0; }
    };
    Driven<COkDlg> dlg([](COkDlg& d) {
        ::PostMessageA(::GetDlgItem(d.m_hWnd, IDOK), BM_CLICK, 0, 0);
        return AfterBody::kKeepRunning;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSaves, 1);
}

// Check boxes of a dialog made in memory: DDX_Check in both directions.
class CCheckDlg : public CDialog {
public:
    CCheckDlg() : CDialog(IDD_ABOUTBOX) {}
    int m_nFlag = 0;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, kCheckId, m_nFlag); }

    static constexpr int kCheckId = 3000;
    BOOL OnInitDialog() override
    {
        ::CreateWindowExA(0, "Button", "check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 80, 20, m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCheckId)), nullptr, nullptr);
        return CDialog::OnInitDialog();  // loads m_nFlag into the new box
    }
};

TEST(DDX_Check, LoadChecksForAnyNonZeroFlagAndSaveStoresZeroOrOne)
{
    struct Case {
        int nInitial;       // field before the dialog starts
        UINT nShown;        // check state after the load
        UINT nSetByUser;    // check state the user leaves
        int nSaved;         // field after the save
    };
    const Case cases[] = {
        {0, BST_UNCHECKED, BST_CHECKED, 1},
        {1, BST_CHECKED, BST_UNCHECKED, 0},
        {7, BST_CHECKED, BST_CHECKED, 1},
        {-1, BST_CHECKED, BST_UNCHECKED, 0},
    };
    for (const Case& c : cases) {
        UINT nShown = 99;
        Driven<CCheckDlg> dlg([&](CCheckDlg& d) {
            nShown = ::IsDlgButtonChecked(d.m_hWnd, CCheckDlg::kCheckId);
            ::CheckDlgButton(d.m_hWnd, CCheckDlg::kCheckId, c.nSetByUser);
            d.UpdateData(TRUE);
            return AfterBody::kEndDialog;
        });
        dlg.m_nFlag = c.nInitial;
        dlg.DoModal();
        EXPECT_EQ(nShown, c.nShown) << c.nInitial;
        EXPECT_EQ(dlg.m_nFlag, c.nSaved) << c.nInitial;
    }
}

}  // namespace
