// Runs beside zandrel.exe in the same Wine prefix and does for the end-to-end
// test what a user would do with the mouse: answer message boxes, click a
// check box, open and close the About box, choose File > Exit. Prints what it
// saw in UTF-8; every wait is bounded. Exit code 0 on success.
//
//   gui_helper box            wait for the next result box, print its text, press OK
//   gui_helper peek           wait for the next result box, print its text, leave it open
//   gui_helper click ID       click the main dialog's control ID, print its check state
//   gui_helper about          open the About box from the system menu, print its texts
//   gui_helper close-about    press OK in the About box and wait until it is gone
//   gui_helper exit           File > Exit
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "res/resource.h"

namespace {

constexpr DWORD kWaitMilliseconds = 20000;
const char kMainCaption[] = "Zandrel 1.2.2";
const char kBoxCaption[] = "Merrowin";
const char kAboutCaption[] = "バージョン情報";

std::string WindowText(HWND hWnd)
{
    char sz[1024] = {};
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

std::string ToUtf8(const std::string& ansi)
{
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), nWide);
    const int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(nUtf8), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), nUtf8, nullptr, nullptr);
    utf8.resize(std::strlen(utf8.c_str()));
    return utf8;
}

struct Search {
    const char* pszCaption;
    HWND hFound;
};

BOOL CALLBACK MatchDialog(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (std::strcmp(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd) && WindowText(hWnd) == pSearch->pszCaption) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(const char* pszCaption)
{
    Search search{pszCaption, nullptr};
    ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND WaitForDialog(const char* pszCaption)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        if (HWND hWnd = FindDialog(pszCaption))
            return hWnd;
        if (::GetTickCount() - dwStart > kWaitMilliseconds) {
            std::fprintf(stderr, "no window \"%s\" within %lu ms\n", ToUtf8(pszCaption).c_str(), kWaitMilliseconds);
            return nullptr;
        }
        ::Sleep(50);
    }
}

bool WaitUntilGone(HWND hWnd)
{
    const DWORD dwStart = ::GetTickCount();
    while (::IsWindow(hWnd) && ::IsWindowVisible(hWnd)) {
        if (::GetTickCount() - dwStart > kWaitMilliseconds) {
            std::fprintf(stderr, "window still there after %lu ms\n", kWaitMilliseconds);
            return false;
        }
        ::Sleep(50);
    }
    return true;
}

int AnswerBox(bool bPressOk)
{
    const HWND hBox = WaitForDialog(kBoxCaption);
    if (!hBox)
        return 1;
    // The text is the static control that is not the icon.
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[64] = {};
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        const std::string text = WindowText(hChild);
        if (_stricmp(szClass, "Static") == 0 && !text.empty())
            std::printf("TEXT %s\n", ToUtf8(text).c_str());
    }
    std::fflush(stdout);
    if (!bPressOk)
        return 0;
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    return WaitUntilGone(hBox) ? 0 : 1;
}

int Click(int nID)
{
    const HWND hMain = WaitForDialog(kMainCaption);
    if (!hMain)
        return 1;
    const HWND hControl = ::GetDlgItem(hMain, nID);
    DWORD_PTR dwResult = 0;
    if (!hControl || !::SendMessageTimeoutA(hControl, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kWaitMilliseconds, &dwResult))
        return 1;
    std::printf("CHECKED %d\n", ::IsDlgButtonChecked(hMain, nID) == BST_CHECKED ? 1 : 0);
    return 0;
}

int OpenAbout()
{
    const HWND hMain = WaitForDialog(kMainCaption);
    if (!hMain)
        return 1;
    ::PostMessageA(hMain, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    const HWND hAbout = WaitForDialog(kAboutCaption);
    if (!hAbout)
        return 1;
    std::printf("TITLE %s\n", ToUtf8(WindowText(::GetDlgItem(hAbout, IDC_ABOUT_TITLE))).c_str());
    std::printf("COPYRIGHT %s\n", ToUtf8(WindowText(::GetDlgItem(hAbout, IDC_ABOUT_COPYRIGHT))).c_str());
    std::printf("OWNED %d\n", ::GetWindow(hAbout, GW_OWNER) == hMain ? 1 : 0);
    return 0;
}

int CloseAbout()
{
    const HWND hAbout = WaitForDialog(kAboutCaption);
    if (!hAbout)
        return 1;
    ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
    return WaitUntilGone(hAbout) ? 0 : 1;
}

int Exit()
{
    const HWND hMain = WaitForDialog(kMainCaption);
    if (!hMain)
        return 1;
    ::PostMessageA(hMain, WM_COMMAND, MAKEWPARAM(ID_APP_EXIT, 0), 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "box" || command == "peek")
        return AnswerBox(command == "box");
    if (command == "click" && argc > 2)
        return Click(std::atoi(argv[2]));
    if (command == "about")
        return OpenAbout();
    if (command == "close-about")
        return CloseAbout();
    if (command == "exit")
        return Exit();
    std::fprintf(stderr, "usage: gui_helper box | peek | click ID | about | close-about | exit\n");
    return 2;
}
