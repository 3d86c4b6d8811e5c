// SPDX-License-Identifier: MIT
// Tells what Windows itself knows of the visible top-level windows whose titles begin with the
// given text, for the tests under Wine:   windowfacts.exe TITLE
// prints for each, one a line: its title, whether its frame is a sizing one (Windows offers Size
// in the system menu of exactly such a window), its outer and client sizes, and the texts of the
// controls in it (a message box's words, an installer page's). Another process's system menu
// itself is out of Wine's reach. Fails when there is no such window.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

const wchar_t *g_title = nullptr;
int g_found = 0;

BOOL CALLBACK printText(HWND child, LPARAM)
{
    wchar_t text[1024];
    if (GetWindowTextW(child, text, 1024) > 0)
        wprintf(L"text %ls\n", text);
    return TRUE;
}

BOOL CALLBACK printWindow(HWND window, LPARAM)
{
    wchar_t title[1024];
    if (!IsWindowVisible(window) || GetWindowTextW(window, title, 1024) <= 0
        || wcsncmp(title, g_title, wcslen(g_title)) != 0)
        return TRUE;
    ++g_found;
    wprintf(L"title %ls\n", title);
    wprintf(L"sizing-frame %ls\n", (GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME) ? L"yes" : L"no");
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    wprintf(L"outer %ldx%ld\nclient %ldx%ld\n", outer.right - outer.left, outer.bottom - outer.top, client.right,
            client.bottom);
    EnumChildWindows(window, printText, 0);
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2) {
        fwprintf(stderr, L"usage: windowfacts TITLE\n");
        return 2;
    }
    g_title = argv[1];
    EnumWindows(printWindow, 0);
    if (g_found == 0)
        fwprintf(stderr, L"no window titled %ls...\n", g_title);
    return g_found > 0 ? 0 : 1;
}
