// The executable's resources as the platform reads them: templates, icon
// group, version record and manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "res/resource.h"

namespace {

struct ResourceBytes {
    const std::uint8_t* pData = nullptr;
    DWORD nSize = 0;
};

ResourceBytes FindBytes(LPCSTR pszName, LPCSTR pszType, WORD wLanguage)
{
    const HMODULE hModule = ::GetModuleHandleA(nullptr);
    const HRSRC hResource = ::FindResourceExA(hModule, pszType, pszName, wLanguage);
    if (!hResource)
        return {};
    return {static_cast<const std::uint8_t*>(::LockResource(::LoadResource(hModule, hResource))),
            ::SizeofResource(hModule, hResource)};
}

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

TEST(Resources, DialogTemplatesCarryTheirStyles)
{
    // The main dialog: an extended template; drops are switched on at run
    // time, not in the template; no minimise box.
    const ResourceBytes main = FindBytes(MAKEINTRESOURCEA(IDD_MAIN_DIALOG), RT_DIALOG, kJapanese);
    ASSERT_GE(main.nSize, 16u);
    WORD wVersion, wSignature;
    DWORD dwExStyle, dwStyle;
    std::memcpy(&wVersion, main.pData, 2);
    std::memcpy(&wSignature, main.pData + 2, 2);
    std::memcpy(&dwExStyle, main.pData + 8, 4);
    std::memcpy(&dwStyle, main.pData + 12, 4);
    EXPECT_EQ(wVersion, 1);
    EXPECT_EQ(wSignature, 0xFFFF);
    EXPECT_EQ(dwExStyle, DWORD{WS_EX_APPWINDOW});
    EXPECT_EQ(dwStyle, DWORD{WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT});

    // The About box: a plain template, hidden until the modal run shows it.
    const ResourceBytes about = FindBytes(MAKEINTRESOURCEA(IDD_ABOUTBOX), RT_DIALOG, kJapanese);
    ASSERT_GE(about.nSize, 8u);
    std::memcpy(&dwStyle, about.pData, 4);
    std::memcpy(&dwExStyle, about.pData + 4, 4);
    EXPECT_EQ(dwStyle, DWORD{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT});
    EXPECT_EQ(dwExStyle, 0u);
}

TEST(Resources, IconGroupHoldsA32And16PixelImageOf16Colours)
{
    const ResourceBytes group = FindBytes(MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON, kJapanese);
    ASSERT_GE(group.nSize, 6u + 2 * 14u);
    WORD wCount;
    std::memcpy(&wCount, group.pData + 4, 2);
    ASSERT_EQ(wCount, 2);
    const int expectedSizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const std::uint8_t* pEntry = group.pData + 6 + 14 * i;
        WORD wBitCount;
        std::memcpy(&wBitCount, pEntry + 6, 2);
        EXPECT_EQ(pEntry[0], expectedSizes[i]);
        EXPECT_EQ(pEntry[1], expectedSizes[i]);
        EXPECT_EQ(pEntry[2], 16);  // colours
        EXPECT_EQ(wBitCount, 4);
    }
}

TEST(Resources, VersionRecordIs1001InJapaneseUnicode)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    DWORD dwHandle = 0;
    const DWORD nSize = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    ASSERT_GT(nSize, 0u);
    std::string block(nSize, '\0');
    ASSERT_TRUE(::GetFileVersionInfoA(szPath, 0, nSize, block.data()));

    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&pFixed), &nLength));
    EXPECT_EQ(pFixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(pFixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(pFixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(pFixed->dwProductVersionLS, 0x00000001u);

    WORD* pTranslation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pTranslation),
                                 &nLength));
    ASSERT_GE(nLength, 4u);
    EXPECT_EQ(pTranslation[0], 0x0411);
    EXPECT_EQ(pTranslation[1], 1200);
}

TEST(Resources, ManifestAsksForCommonControls6OfTheTargetsArchitecture)
{
    const HRSRC hManifest = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(hManifest, nullptr);
    const char* pText = static_cast<const char*>(::LockResource(::LoadResource(nullptr, hManifest)));
    const std::string manifest(pText, ::SizeofResource(nullptr, hManifest));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
#ifdef _WIN64
    const char* pszArchitecture = "processorArchitecture=\"amd64\"";
#else
    const char* pszArchitecture = "processorArchitecture=\"x86\"";
#endif
    EXPECT_NE(manifest.find(pszArchitecture), std::string::npos);
}

}  // namespace
