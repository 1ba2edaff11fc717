// CConvertDlg: the conversion of a dropped file, the drop loop, the menus and the minimised icon.
#include "shell/convert_dlg.h"

#include <cstdint>
#include <string>

#include "res/resource.h"
#include "shell/about_dlg.h"
#include "shell/shell_text.h"

CConvertDlg::CConvertDlg(CWnd* pParent)
    : CDialog(IDD_MAIN_DIALOG, pParent), m_bWriteBinary(0), m_bAddPrefix(1), m_bAddConst(1), m_bLittleEndian(1)
{
    LPCSTR pszIcon = MAKEINTRESOURCEA(IDR_MAINFRAME);
    m_hIcon = ::LoadIconA(AfxFindResourceHandle(pszIcon, RT_GROUP_ICON), pszIcon);
}

int CConvertDlg::ConvertFile(CString strPath)
{
    UpdateData(TRUE);
    // Names first, for every file, refused or not; nothing is created for a
    // refused one.
    const zandrel::OutputNames names = NamesFor(strPath);
    zandrel::CDibSurface surface;
    const int nLoaded = surface.Load(strPath);
    if (surface.m_nBitCount == 8)
        return ConvertIndexed(strPath);
    if (nLoaded && (surface.m_nBitCount == 24 || surface.m_nBitCount == 32))
        return zandrel::ConvertTrueColorImage(surface.m_image, names, OutputOptions()).nResult;
    return zandrel::kConvertRefused;
}

int CConvertDlg::ConvertIndexed(CString strPath)
{
    UpdateData(TRUE);
    return zandrel::ConvertIndexedBitmapFile(strPath, NamesFor(strPath), OutputOptions()).nResult;
}

zandrel::OutputNames CConvertDlg::NamesFor(const CString& strPath) const
{
    zandrel::NamingOptions naming;
    naming.bAddPrefix = m_bAddPrefix != 0;
    return zandrel::DeriveOutputNames(strPath, naming, zandrel::PathStyle::Native());
}

zandrel::ConvertOptions CConvertDlg::OutputOptions() const
{
    zandrel::ConvertOptions options;
    options.m_bWriteBinary = m_bWriteBinary;
    options.m_bAddConst = m_bAddConst;
    options.m_bLittleEndian = m_bLittleEndian;
    return options;
}

void CConvertDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_WRITE_BINARY, m_bWriteBinary);
    DDX_Check(pDX, IDC_ADD_PREFIX, m_bAddPrefix);
    DDX_Check(pDX, IDC_ADD_CONST, m_bAddConst);
    DDX_Check(pDX, IDC_LITTLE_ENDIAN, m_bLittleEndian);
}

BOOL CConvertDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu sysMenu = GetSystemMenu(FALSE); sysMenu.m_hMenu) {
        CString strAboutMenu;
        strAboutMenu.LoadStringA(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            sysMenu.AppendMenuA(MF_SEPARATOR);
            sysMenu.AppendMenuA(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SendMessageA(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowTextA(kProgramTitle);
    ::DragAcceptFiles(m_hWnd, TRUE);
    return TRUE;  // the focus goes to the first check box
}

BOOL CConvertDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_QUERYDRAGICON:
        *pResult = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && LOWORD(wParam) == ID_HELP) {
            OnAbout();
            return TRUE;
        }
        break;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    default:
        break;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

void CConvertDlg::OnSysCommand(UINT nID, LPARAM /*lParam*/)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        Default();
}

void CConvertDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessageA(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    const POINT pt = MinimisedIconPosition(rcClient, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(pt.x, pt.y, m_hIcon);
}

HCURSOR CConvertDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CConvertDlg::OnAbout()
{
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

void CConvertDlg::OnDropFiles(HDROP hDropInfo)
{
    const UINT nFiles = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nFiles; ++i) {
        // A buffer that fits the whole path, however long: a cut path would
        // name another file.
        const UINT nLength = ::DragQueryFileA(hDropInfo, i, nullptr, 0);
        std::string path(static_cast<size_t>(nLength) + 1, '\0');
        ::DragQueryFileA(hDropInfo, i, path.data(), nLength + 1);
        path.resize(path.find('\0'));

        // The busy cursor while the file converts; the box that follows
        // shows the normal one.
        CWaitCursor wait;
        const int nResult = ConvertFile(CString(std::move(path)));
        wait.Restore();
        switch (nResult) {
        case zandrel::kConvertDone:
            ShowResultBox(kConvertedText, MB_OK | MB_ICONINFORMATION);
            break;
        case zandrel::kConvertWriteFailed:
            ShowResultBox(kWriteFailedText, MB_OK | MB_ICONEXCLAMATION);
            break;
        default:
            ShowResultBox(kRefusedText, MB_OK);
            break;
        }
    }
    FinishDrop(hDropInfo);
}

int CConvertDlg::ShowResultBox(const char* pszText, UINT nType)
{
    return AfxMessageBox(pszText, nType, 0);
}

void CConvertDlg::FinishDrop(HDROP hDropInfo)
{
    ::DragFinish(hDropInfo);
}

POINT MinimisedIconPosition(const RECT& rcClient, int cxIcon, int cyIcon)
{
    // 64-bit arithmetic: no rectangle can overflow it. C++ division
    // truncates toward zero, as the centring wants.
    const std::int64_t x = (std::int64_t{rcClient.right} - rcClient.left - cxIcon + 1) / 2;
    const std::int64_t y = (std::int64_t{rcClient.bottom} - rcClient.top - cyIcon + 1) / 2;
    return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
}
