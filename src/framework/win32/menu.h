// CMenu: a menu handle with the one operation the program uses.
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

class CMenu {
public:
    // Attributes
    HMENU m_hMenu = nullptr;

    // Construction: wraps a handle without taking ownership (null when none).
    static CMenu FromHandle(HMENU hMenu)
    {
        CMenu menu;
        menu.m_hMenu = hMenu;
        return menu;
    }

    // Operations
    BOOL AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* pszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, pszNewItem);
    }
};
