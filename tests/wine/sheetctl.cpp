// Lets the Wine scripts look at the property sheet or wizard that velum.exe shows (found by
// its tab control, whatever its title). Controls are looked up in the current page first,
// then in the sheet itself (its buttons: 1 OK, 2 Cancel, 12323 Back, 12324 Next, 12325 Finish).
//   sheetctl wait SECONDS     exit 0 once one is shown, 1 on time-out
//   sheetctl gone SECONDS     exit 0 once none is shown, 1 on time-out
//   sheetctl count            number of sheets shown
//   sheetctl title            prints its caption
//   sheetctl page             prints the index of its current page
//   sheetctl point ID         prints "X Y", the screen point in the middle of control ID, for xdotool
//   sheetctl combo ID         prints "INDEX TEXT" of the selection of combo box ID
//   sheetctl hotkey ID        prints the value of hotkey control ID (key | flags << 8)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Lists the visible top-level windows on stderr, so that a time-out shows what was there.
BOOL CALLBACK PrintVisible(HWND hwnd, LPARAM) {
    char title[128] = {}, cls[64] = {};
    if (!IsWindowVisible(hwnd)) return TRUE;
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, cls, sizeof cls);
    fprintf(stderr, "  window %p class \"%s\" title \"%s\"\n", static_cast<void*>(hwnd), cls, title);
    return TRUE;
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd) && FindWindowExA(hwnd, nullptr, "SysTabControl32", nullptr))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Sheets() {
    std::vector<HWND> found;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool WaitFor(bool present, double seconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    while (Sheets().empty() == present) {
        if (static_cast<LONG>(GetTickCount() - end) >= 0) {
            fprintf(stderr, "sheetctl: %s after %g s; visible windows:\n", present ? "no sheet" : "a sheet is left",
                    seconds);
            EnumWindows(PrintVisible, 0);
            return false;
        }
        Sleep(100);
    }
    return true;
}

DWORD_PTR Ask(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL, 20000, &answer);
    return answer;
}

HWND Item(HWND sheet, int id) {
    HWND page = reinterpret_cast<HWND>(Ask(sheet, PSM_GETCURRENTPAGEHWND));
    HWND item = page ? GetDlgItem(page, id) : nullptr;
    return item ? item : GetDlgItem(sheet, id);
}

int Usage() {
    fprintf(stderr, "usage: sheetctl wait S|gone S|count|title|page|point ID|shown ID|combo ID|hotkey ID\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const char* cmd = argv[1];
    if (!strcmp(cmd, "wait") && argc == 3) return WaitFor(true, atof(argv[2])) ? 0 : 1;
    if (!strcmp(cmd, "gone") && argc == 3) return WaitFor(false, atof(argv[2])) ? 0 : 1;
    std::vector<HWND> sheets = Sheets();
    if (!strcmp(cmd, "count")) {
        printf("%u\n", static_cast<unsigned>(sheets.size()));
        return 0;
    }
    if (sheets.empty()) {
        fprintf(stderr, "sheetctl: no sheet\n");
        return 1;
    }
    HWND sheet = sheets.front();
    if (!strcmp(cmd, "title")) {
        char text[512] = {};
        GetWindowTextA(sheet, text, sizeof text);
        printf("%s\n", text);
        return 0;
    }
    if (!strcmp(cmd, "page")) {
        DWORD_PTR page = Ask(sheet, PSM_GETCURRENTPAGEHWND);
        printf("%d\n", static_cast<int>(static_cast<LRESULT>(Ask(sheet, PSM_HWNDTOINDEX, page))));
        return 0;
    }
    if (argc != 3) return Usage();
    HWND item = Item(sheet, atoi(argv[2]));
    if (!item) {
        fprintf(stderr, "sheetctl: no control %s in the sheet\n", argv[2]);
        return 1;
    }
    if (!strcmp(cmd, "point")) {
        RECT rc;
        GetWindowRect(item, &rc);
        printf("%ld %ld\n", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        return 0;
    }
    if (!strcmp(cmd, "combo")) {
        int index = static_cast<int>(static_cast<LRESULT>(Ask(item, CB_GETCURSEL)));
        // Wide: Wine hands another process's combo text over as the control keeps it.
        WCHAR wide[512] = {};
        char text[1024] = {};
        DWORD_PTR length = 0, ignored = 0;
        if (index >= 0 && SendMessageTimeoutW(item, CB_GETLBTEXTLEN, index, 0, SMTO_NORMAL, 20000, &length) &&
            length < 512) {
            SendMessageTimeoutW(item, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide), SMTO_NORMAL, 20000,
                                &ignored);
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
        }
        printf("%d %s\n", index, text);
        return 0;
    }
    if (!strcmp(cmd, "hotkey")) {
        printf("%u\n", static_cast<unsigned>(Ask(item, HKM_GETHOTKEY) & 0xFFFF));
        return 0;
    }
    return Usage();
}
