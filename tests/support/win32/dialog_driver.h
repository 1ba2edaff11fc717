// Drives a modal dialog from inside its own modal loop, so that tests can
// send it messages as the platform would and watch what it does.
//
//   Driven<TDialog>    runs a test body once the dialog is set up; a watchdog
//                      ends the dialog with kWatchdogEnd if nothing else does
//   ModalWatcher       a CBT hook that meets every dialog box the thread
//                      activates (About box, message boxes) and dismisses it
//   MakeDrop           a drop handle holding the given paths
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/win32/afx.h"

namespace zandrel::test {

constexpr INT_PTR kWatchdogEnd = 0x5A5A;
constexpr UINT kWatchdogMilliseconds = 15000;

// What a test body asks of the dialog after it has run.
enum class AfterBody { kEndDialog, kKeepRunning };

template <class TDialog>
class Driven : public TDialog {
public:
    using Body = std::function<AfterBody(Driven&)>;

    template <class... Args>
    explicit Driven(Body body, Args&&... args) : TDialog(std::forward<Args>(args)...), m_body(std::move(body))
    {
    }

    BOOL OnInitDialog() override
    {
        const BOOL bResult = TDialog::OnInitDialog();
        ::PostMessageA(this->m_hWnd, kRunBody, 0, 0);
        ::SetTimer(this->m_hWnd, kWatchdogTimer, kWatchdogMilliseconds, nullptr);
        return bResult;
    }

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == kRunBody) {
            if (m_body(*this) == AfterBody::kEndDialog)
                this->EndDialog(IDCANCEL);
            return TRUE;
        }
        if (message == WM_TIMER && wParam == kWatchdogTimer) {
            this->EndDialog(static_cast<int>(kWatchdogEnd));
            return TRUE;
        }
        return TDialog::OnWndMsg(message, wParam, lParam, pResult);
    }

private:
    static constexpr UINT kRunBody = WM_APP + 0x100;
    static constexpr UINT_PTR kWatchdogTimer = 0x7A7A;
    Body m_body;
};

// The texts of a dialog box as it was activated.
struct SeenBox {
    HWND hWnd = nullptr;
    HWND hWndOwner = nullptr;
    std::string strCaption;
    std::vector<std::pair<int, std::string>> items;  // child id and text, in z order

    std::string ItemText(int nID) const
    {
        for (const auto& [nItemID, text] : items)
            if (nItemID == nID)
                return text;
        return "<no item " + std::to_string(nID) + ">";
    }
};

inline std::string WindowText(HWND hWnd)
{
    char sz[1024] = {};
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

// Meets every dialog box (class "#32770") that this thread activates while
// it is installed, except the one it is told to ignore, records it and lets
// `dismiss` close it (by default: a posted OK command). One watcher at a time.
class ModalWatcher {
public:
    using Dismiss = std::function<void(const SeenBox&)>;

    // hWndIgnore: the dialog under test, which is activated again whenever a
    // box closes.
    explicit ModalWatcher(HWND hWndIgnore, Dismiss dismiss = ClickOk)
        : m_hWndIgnore(hWndIgnore), m_dismiss(std::move(dismiss))
    {
        s_pCurrent = this;
        m_hHook = ::SetWindowsHookExA(WH_CBT, HookProc, nullptr, ::GetCurrentThreadId());
    }
    ~ModalWatcher()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pCurrent = nullptr;
    }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    static void ClickOk(const SeenBox& box) { ::PostMessageA(box.hWnd, WM_COMMAND, IDOK, 0); }

    bool Installed() const { return m_hHook != nullptr; }
    const std::vector<SeenBox>& Seen() const { return m_seen; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_ACTIVATE && s_pCurrent)
            s_pCurrent->OnActivate(reinterpret_cast<HWND>(wParam));
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    void OnActivate(HWND hWnd)
    {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        if (hWnd == m_hWndIgnore || std::string(szClass) != "#32770")
            return;
        SeenBox box;
        box.hWnd = hWnd;
        box.hWndOwner = ::GetWindow(hWnd, GW_OWNER);
        box.strCaption = WindowText(hWnd);
        for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            box.items.emplace_back(::GetDlgCtrlID(hChild), WindowText(hChild));
        m_seen.push_back(box);
        m_dismiss(box);
    }

    static inline ModalWatcher* s_pCurrent = nullptr;
    HHOOK m_hHook = nullptr;
    HWND m_hWndIgnore;
    Dismiss m_dismiss;
    std::vector<SeenBox> m_seen;
};

// A drop handle as the shell makes it: a DROPFILES header, then the paths,
// each NUL-terminated, then one more NUL. Freed by DragFinish. With no paths,
// a handle without memory: any list would count as one (empty) file, while
// this one reports none.
inline HDROP MakeDrop(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return static_cast<HDROP>(::GlobalAlloc(GMEM_MOVEABLE, 0));
    std::string list;
    for (const std::string& path : paths)
        list += path + '\0';
    list += '\0';
    const HGLOBAL hGlobal = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hGlobal));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = FALSE;
    std::copy(list.begin(), list.end(), reinterpret_cast<char*>(pDrop + 1));
    ::GlobalUnlock(hGlobal);
    return static_cast<HDROP>(hGlobal);
}

}  // namespace zandrel::test
