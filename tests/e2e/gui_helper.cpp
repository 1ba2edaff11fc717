// Runs beside zandrel.exe in the same Wine prefix and does for the end-to-end
// test what a user's hands and eyes would. Texts in and out are in the ANSI
// code page (932); every wait is bounded; exit code 0 on success.
//
//   gui_helper show CAPTION             the owner's caption, then "id checked text" per control
//   gui_helper ok CAPTION               press OK and wait until the box is gone
//   gui_helper send CAPTION ID MSG WP   send MSG to control ID (0: post it to the dialog,
//                                       as the dialog may answer with a modal box)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Text(HWND hWnd)
{
    char sz[1024] = {};
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

// The visible dialog box with this caption, waiting up to 20 s.
HWND WaitForDialog(const std::string& caption)
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 20000; ::Sleep(50)) {
        for (HWND hWnd = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); hWnd;
             hWnd = ::FindWindowExA(nullptr, hWnd, "#32770", nullptr))
            if (::IsWindowVisible(hWnd) && Text(hWnd) == caption)
                return hWnd;
    }
    std::fprintf(stderr, "no dialog \"%s\"\n", caption.c_str());
    return nullptr;
}

int Show(HWND hDlg)
{
    std::printf("OWNER %s\n", Text(::GetWindow(hDlg, GW_OWNER)).c_str());
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const int nID = ::GetDlgCtrlID(hChild);
        std::printf("%d %d %s\n", nID, ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED, Text(hChild).c_str());
    }
    return 0;
}

int PressOk(HWND hDlg)
{
    ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 20000; ::Sleep(50))
        if (!::IsWindow(hDlg) || !::IsWindowVisible(hDlg))
            return 0;
    return 1;
}

int Send(HWND hDlg, int nID, UINT message, WPARAM wParam)
{
    if (nID == 0)
        return ::PostMessageA(hDlg, message, wParam, 0) ? 0 : 1;
    DWORD_PTR dwResult = 0;
    return ::SendMessageTimeoutA(::GetDlgItem(hDlg, nID), message, wParam, 0, SMTO_ABORTIFHUNG, 20000, &dwResult) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 2 ? argv[1] : "";
    const HWND hDlg = argc > 2 ? WaitForDialog(argv[2]) : nullptr;
    if (command == "show" && hDlg)
        return Show(hDlg);
    if (command == "ok" && hDlg)
        return PressOk(hDlg);
    if (command == "send" && hDlg && argc == 6)
        return Send(hDlg, std::atoi(argv[3]), std::strtoul(argv[4], nullptr, 0), std::strtoul(argv[5], nullptr, 0));
    std::fprintf(stderr, "usage: gui_helper show|ok CAPTION | send CAPTION ID MSG WPARAM\n");
    return hDlg ? 2 : 1;
}
