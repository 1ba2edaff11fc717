// Ownership of device contexts and GDI objects by their wrappers.
#include <gtest/gtest.h>

#include "framework/win32/afx.h"

namespace {

bool IsLive(HGDIOBJ hObject)
{
    return ::GetObjectType(hObject) != 0;
}

TEST(CGdiObject, DetachReleasesWithoutFreeingDeleteObjectFrees)
{
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.DeleteObject());  // nothing held
    const HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_TRUE(bitmap.Attach(hBitmap));
    EXPECT_EQ(bitmap.GetSafeHandle(), hBitmap);
    EXPECT_EQ(bitmap.Detach(), hBitmap);
    EXPECT_TRUE(IsLive(hBitmap));
    ASSERT_TRUE(bitmap.Attach(hBitmap));
    EXPECT_TRUE(bitmap.DeleteObject());
    EXPECT_EQ(bitmap.m_hObject, nullptr);
    EXPECT_FALSE(IsLive(hBitmap));
}

TEST(CDC, DestructionDeletesTheHeldContextAndSelectReturnsTheReplacedObject)
{
    const HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 32, nullptr);
    HDC hDC;
    {
        CDC dc;
        hDC = ::CreateCompatibleDC(nullptr);
        ASSERT_TRUE(dc.Attach(hDC));
        const HGDIOBJ hOriginal = dc.SelectGdiObject(hBitmap);
        ASSERT_NE(hOriginal, nullptr);
        EXPECT_EQ(dc.SelectGdiObject(hOriginal), hBitmap);
    }
    EXPECT_FALSE(IsLive(hDC));
    EXPECT_TRUE(IsLive(hBitmap));  // only the context was the wrapper's
    ::DeleteObject(hBitmap);

    CDC detached;
    const HDC hKept = ::CreateCompatibleDC(nullptr);
    detached.Attach(hKept);
    EXPECT_EQ(detached.Detach(), hKept);
    EXPECT_TRUE(IsLive(hKept));
    ::DeleteDC(hKept);
}

}  // namespace
