// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// A small Windows program for the tests under Wine: it finds the program's windows by
// their titles and reports or closes them as Windows itself sees them, which an X tool
// cannot do for a Wine window (its frame is drawn by Wine inside the X window).
//
//   window_probe wait TITLE [SECONDS]   prints "WIDTH HEIGHT LEFT TOP": the client area's
//                                       size and its top-left corner on the screen
//   window_probe gone TITLE [SECONDS]   waits until no window has that title
//   window_probe close TITLE            presses the close box (the system command)
// Exit code 0 on success, 1 when the window did not come (or go) in time, 2 on misuse.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND findVisible(const std::wstring& title) {
    struct Search {
        const std::wstring* title;
        HWND found;
    } search{&title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            wchar_t text[512] = {};
            GetWindowTextW(window, text, 512);
            if (IsWindowVisible(window) && *search->title == text) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 3)
        return 2;
    const std::wstring command = argv[1], title = argv[2];
    const int seconds = argc > 3 ? _wtoi(argv[3]) : 15;
    for (int tenth = 0; tenth <= seconds * 10; ++tenth) {
        const HWND window = findVisible(title);
        if (command == L"wait" && window) {
            RECT client;
            GetClientRect(window, &client);
            POINT origin{0, 0};
            ClientToScreen(window, &origin);
            std::printf("%ld %ld %ld %ld\n", client.right, client.bottom, origin.x, origin.y);
            return 0;
        }
        if (command == L"gone" && !window)
            return 0;
        if (command == L"close")
            return window && PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
        Sleep(100);
    }
    return 1;
}
