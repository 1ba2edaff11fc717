// Drops converted by the real engine: the options are read from the check
// boxes at the start of every conversion.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/convert_app.h"
#include "shell/convert_dlg.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"
#include "support/win32/dialog_driver.h"

namespace {

using zandrel::test::AfterBody;
using zandrel::test::Driven;
using zandrel::test::MakeDrop;

// The real conversion; only the boxes are recorded instead of shown.
class CBoxRecordingDlg : public CConvertDlg {
public:
    std::vector<std::string> boxes;

protected:
    int ShowResultBox(const char* pszText, UINT /*nType*/) override
    {
        boxes.emplace_back(pszText);
        return IDOK;
    }
};

std::string NativePath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Click(HWND hDlg, int nID)
{
    // What a mouse click on an auto check box does to its state.
    const bool bChecked = ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
    ::CheckDlgButton(hDlg, nID, bChecked ? BST_UNCHECKED : BST_CHECKED);
}

TEST(DropConversion, CheckBoxChangedBetweenDropsChangesTheSecondDropsOutput)
{
    zandrel::test::TempDir dir;
    const std::string bmp = NativePath(dir.File("logo.bmp"));
    ASSERT_TRUE(zandrel::test::WriteFileBytes(
        bmp, zandrel::test::MakeTrueColorBitmap(3, 2, 24, [](int x, int y) {
            return zandrel::test::Bgra{static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(90 * y), 200, 0};
        })));
    const std::string folder = NativePath(dir.Path()) + "\\";

    CConvertApp app;
    Driven<CBoxRecordingDlg> dlg([&](CBoxRecordingDlg& d) {
        d.SendMessageA(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({bmp})));
        EXPECT_TRUE(Exists(folder + "image_logo.c"));
        EXPECT_FALSE(Exists(folder + "image_logo.bin"));

        Click(d.m_hWnd, IDC_WRITE_BINARY);
        Click(d.m_hWnd, IDC_ADD_PREFIX);
        d.SendMessageA(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({bmp})));
        EXPECT_TRUE(Exists(folder + "logo.c"));
        EXPECT_TRUE(Exists(folder + "logo.bin"));
        EXPECT_EQ(d.m_options.m_bWriteBinary, 1);
        EXPECT_EQ(d.m_options.m_bAddPrefix, 0);
        return AfterBody::kEndDialog;
    });
    app.m_pMainWnd = &dlg;
    dlg.DoModal();
    app.m_pMainWnd = nullptr;
    const std::vector<std::string> expected(2, "データを書き出しました");
    EXPECT_EQ(dlg.boxes, expected);
}

TEST(DropConversion, IndexedPathTakesTheCheckBoxesAndOnlyEightBitFiles)
{
    zandrel::test::TempDir dir;
    zandrel::test::BitmapRecipe recipe;
    recipe.nBitCount = 8;
    recipe.nWidth = 2;
    recipe.nHeight = 2;
    recipe.nClrUsed = 2;
    recipe.palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    recipe.pixels = zandrel::test::StoreIndexedRows(2, 2, false, [](int x, int y) {
        return static_cast<std::uint8_t>((x + y) % 2);
    });
    const std::string tiles = NativePath(dir.File("tiles.bmp"));
    const std::string photo = NativePath(dir.File("photo.bmp"));
    ASSERT_TRUE(zandrel::test::WriteFileBytes(tiles, zandrel::test::BuildBitmap(recipe)));
    ASSERT_TRUE(zandrel::test::WriteFileBytes(
        photo, zandrel::test::MakeTrueColorBitmap(2, 2, 24, [](int, int) { return zandrel::test::Bgra{1, 2, 3, 0}; })));
    const std::string folder = NativePath(dir.Path()) + "\\";

    CConvertApp app;
    Driven<CBoxRecordingDlg> dlg([&](CBoxRecordingDlg& d) {
        Click(d.m_hWnd, IDC_ADD_PREFIX);
        EXPECT_EQ(d.ConvertIndexed(CString(tiles.c_str())), 1);
        EXPECT_TRUE(Exists(folder + "tiles.c"));
        EXPECT_FALSE(Exists(folder + "image_tiles.c"));
        EXPECT_EQ(d.ConvertIndexed(CString(photo.c_str())), 0);
        EXPECT_FALSE(Exists(folder + "photo.c"));
        return AfterBody::kEndDialog;
    });
    app.m_pMainWnd = &dlg;
    dlg.DoModal();
    app.m_pMainWnd = nullptr;
}

}  // namespace
