// Lets the Wine scripts look at and talk to a running velum.exe:
//   velumctl count                  number of main windows titled "Velum"
//   velumctl wait-window SECONDS    exit 0 once one exists, 1 on time-out
//   velumctl visible                prints "visible" or "hidden"; exit 1 when there is none
//   velumctl foreground             prints "front" when it is the foreground window, else "behind"
//   velumctl sync                   returns once the window has worked off its sent messages
//   velumctl command ID             posts WM_COMMAND ID to it
//   velumctl message NUMBER [W L]   sends the message and prints the answer
//   velumctl rect                   prints "X Y W H", its window rectangle on the screen
//   velumctl item-text ID           prints the text of its child control ID
//   velumctl set-text ID TEXT       sets the text of child control ID
//   velumctl select ID INDEX        selects an entry of combo box ID as a user does (with CBN_SELCHANGE)
//   velumctl key VK                 presses and releases the key in the control that has the focus
//   velumctl moving                 prints "moving" while its thread runs the system's move or size loop
//   velumctl item-rect ID           prints "X Y W H" of child control ID on the screen
//   velumctl dropped ID             prints "dropped" while the list of combo box ID is open, else "closed"
//   velumctl sweep W L              posts every message from WM_USER to WM_USER + 0x1000 but the
//                                   one that ends the program, with W and L, to the main window
//                                   and the display window (its process's layered window)
//   velumctl hold-home FILE         holds Ctrl + Alt + Home for itself until FILE exists
//   velumctl hold-file FILE UNTIL   opens FILE without sharing, prints "holding", closes it once
//                                   the file UNTIL exists (at most 120 s)
//   velumctl answer-box S [TEXT]    waits for a message box titled "Velum" (showing TEXT, when
//                                   given), answers it (No when it has that button, else OK)
//                                   and prints its text in hex, since the ANSI bytes do not
//                                   survive the console; exit 1 on time-out
//   velumctl boxes                  prints the text of every message box titled "Velum"
// Before answer-box, "--utf8" prints the box's text as UTF-8 read wide instead of its hex.
// Before answer-box or boxes, "--title T" looks for boxes titled T instead, and "--yes"
// answers Yes.
// The image list (list view ID) and the dialogs it opens, through memory in velum.exe's
// process, as Wine passes list-view messages between processes without their data:
//   velumctl list-selected ID       the selected rows, by index, on one line
//   velumctl list-rows ID           each row's six cells, separated by "|", one row a line
//   velumctl list-icon-rect ID ROW  "X Y W H" of the row's icon (a thumbnail's cell)
//   velumctl dialog-wait SECONDS    waits for a dialog owned by the main window, prints its title
//   velumctl dialog-gone SECONDS    waits until no such dialog is left
//   velumctl dialog-set-text ID TEXT  sets the text of control ID of that dialog (the file
//                                   name of an open or save dialog: ID 1148 or 1152)
//   velumctl dialog-rect ID         "X Y W H" of control ID of that dialog on the screen
//   velumctl dialog-check ID        prints 1 or 0: the check mark of control ID
//   velumctl dialog-command ID      presses button ID of that dialog
//   velumctl browse-select PATH     selects a folder in the folder browser
// The property sheet or wizard it shows (found by its tab control, whatever its title);
// controls are looked up in the current page first, then in the sheet itself (its buttons:
// 1 OK, 2 Cancel, 12323 Back, 12324 Next, 12325 Finish):
//   velumctl sheet wait|gone S      exit 0 once one is shown / none is, 1 on time-out
//   velumctl sheet count|title|page|client   how many; its caption; its page's index; "X Y W H"
//   velumctl sheet point ID         "X Y", the screen point in the middle of control ID, for xdotool
//   velumctl sheet combo ID         "INDEX TEXT" of the selection of combo box ID
//   velumctl sheet hotkey ID        the value of hotkey control ID (key | flags << 8)
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shellapi.h>

#include "base/WideName_win.h"
#include "settings/HotKey.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

int Usage() {
    fprintf(stderr, "usage: see the head of velumctl.cpp\n");
    return 2;
}

int PrintRect(const RECT& rc) {
    printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    return 0;
}

// A window's rectangle on the screen.
int PrintWindowRect(HWND hwnd) {
    RECT rc;
    return hwnd && GetWindowRect(hwnd, &rc) ? PrintRect(rc) : 1;
}

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
    char title[64] = {}, cls[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, cls, sizeof cls);
    // Its message boxes and other dialogs have the same title and class, but an owner.
    if (strcmp(title, "Velum") == 0 && strcmp(cls, "#32770") == 0 && !GetWindow(hwnd, GW_OWNER))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectSheet(HWND hwnd, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd) && FindWindowExA(hwnd, nullptr, "SysTabControl32", nullptr))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Find(WNDENUMPROC collect) {
    std::vector<HWND> found;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> MainWindows() {
    return Find(Collect);
}

// Polls until done() holds; on time-out says what was missing and which windows were there.
bool WaitUntil(double seconds, const std::function<bool()>& done, const char* missing) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    while (!done()) {
        if (static_cast<LONG>(GetTickCount() - end) >= 0) {
            fprintf(stderr, "velumctl: %s after %g s; visible windows:\n", missing, seconds);
            EnumWindows(PrintVisible, 0);
            return false;
        }
        Sleep(100);
    }
    return true;
}

bool WaitFor(bool present, double seconds, WNDENUMPROC collect = Collect) {
    return WaitUntil(
        seconds, [&] { return Find(collect).empty() != present; }, present ? "none shown" : "one is left");
}

bool Sync(HWND hwnd) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer) != 0;
}

const char* g_boxTitle = "Velum";
bool g_answerYes = false;

struct Box {
    HWND hwnd;
    std::string text;
    std::string utf8;  // read wide: names outside the code page whole
};
bool g_printUtf8 = false;

BOOL CALLBACK CollectBox(HWND hwnd, LPARAM lParam) {
    char title[64] = {}, cls[64] = {}, text[1024] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    // A message box is a dialog with a static text control of id 0xFFFF.
    HWND label = GetDlgItem(hwnd, 0xFFFF);
    if (strcmp(cls, "#32770") == 0 && strcmp(title, g_boxTitle) == 0 && label && IsWindowVisible(hwnd)) {
        GetWindowTextA(label, text, sizeof text);
        wchar_t wide[1024] = {};
        GetWindowTextW(label, wide, 1024);
        reinterpret_cast<std::vector<Box>*>(lParam)->push_back({hwnd, text, NameFromWide(wide)});
    }
    return TRUE;
}

std::vector<Box> Boxes() {
    std::vector<Box> boxes;
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

int AnswerBox(double seconds, const char* want) {
    const bool answered = WaitUntil(
        seconds,
        [want] {
            for (const Box& box : Boxes()) {
                if (want && box.text != want) continue;
                UINT button = GetDlgItem(box.hwnd, IDNO) ? IDNO : IDOK;
                if (g_answerYes && GetDlgItem(box.hwnd, IDYES)) button = IDYES;
                PostMessageA(box.hwnd, WM_COMMAND, button, 0);
                if (g_printUtf8) {
                    printf("%s\n", box.utf8.c_str());
                } else {
                    for (unsigned char c : box.text) printf("%02x", c);
                    printf("\n");
                }
                return true;
            }
            return false;
        },
        "no matching box");
    if (answered) return 0;
    for (const Box& box : Boxes()) fprintf(stderr, "velumctl: other box: %s\n", box.text.c_str());
    return 1;
}

bool SendTimeout(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR* answer = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL, 20000, answer ? answer : &ignored) != 0;
}

int Sheet(int argc, char** argv) {
    const char* cmd = argv[2];
    if ((!strcmp(cmd, "wait") || !strcmp(cmd, "gone")) && argc == 4)
        return WaitFor(!strcmp(cmd, "wait"), atof(argv[3]), CollectSheet) ? 0 : 1;
    std::vector<HWND> sheets = Find(CollectSheet);
    if (!strcmp(cmd, "count")) {
        printf("%u\n", static_cast<unsigned>(sheets.size()));
        return 0;
    }
    if (sheets.empty()) {
        fprintf(stderr, "velumctl: no sheet\n");
        return 1;
    }
    HWND sheet = sheets.front();
    DWORD_PTR answer = 0;
    if (!strcmp(cmd, "title")) {
        char text[512] = {};
        GetWindowTextA(sheet, text, sizeof text);
        printf("%s\n", text);
        return 0;
    }
    if (!strcmp(cmd, "client")) {
        RECT rc;
        GetClientRect(sheet, &rc);
        MapWindowPoints(sheet, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return PrintRect(rc);
    }
    SendTimeout(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, &answer);
    HWND page = reinterpret_cast<HWND>(answer);
    if (!strcmp(cmd, "page")) {
        SendTimeout(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0, &answer);
        printf("%d\n", static_cast<int>(static_cast<LRESULT>(answer)));
        return 0;
    }
    if (argc != 4) return Usage();
    HWND item = page ? GetDlgItem(page, atoi(argv[3])) : nullptr;
    if (!item) item = GetDlgItem(sheet, atoi(argv[3]));
    if (!item) {
        fprintf(stderr, "velumctl: no control %s in the sheet\n", argv[3]);
        return 1;
    }
    if (!strcmp(cmd, "point")) {
        RECT rc;
        GetWindowRect(item, &rc);
        printf("%ld %ld\n", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        return 0;
    }
    if (!strcmp(cmd, "combo")) {
        SendTimeout(item, CB_GETCURSEL, 0, 0, &answer);
        int index = static_cast<int>(static_cast<LRESULT>(answer));
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
        SendTimeout(item, HKM_GETHOTKEY, 0, 0, &answer);
        printf("%u\n", static_cast<unsigned>(answer & 0xFFFF));
        return 0;
    }
    return Usage();
}

// Says "holding" and returns once the file UNTIL exists (at most 120 s).
void HoldUntil(const char* until) {
    printf("holding\n");
    fflush(stdout);
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(until) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 120000) Sleep(100);
}

// Commands that need no program window.
int Other(int argc, char** argv) {
    const char* cmd = argv[1];
    if (!strcmp(cmd, "sheet") && argc >= 3) return Sheet(argc, argv);
    if (!strcmp(cmd, "answer-box") && (argc == 3 || argc == 4))
        return AnswerBox(atof(argv[2]), argc == 4 ? argv[3] : nullptr);
    if (!strcmp(cmd, "boxes")) {
        for (const Box& box : Boxes()) printf("%s\n", box.text.c_str());
        return 0;
    }
    if (!strcmp(cmd, "hold-file") && argc == 4) {
        HANDLE file = CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        HoldUntil(argv[3]);
        CloseHandle(file);
        return 0;
    }
    if (!strcmp(cmd, "hold-home") && argc == 3) {
        const CHotKeyItem& home = COptionData().m_hotkeys[COptionData::HK_ENABLE];
        if (!RegisterHotKey(nullptr, 1, HotKeyRegisterModifiers(home.m_wModifiers), home.m_wVirtualKey)) return 1;
        HoldUntil(argv[2]);
        UnregisterHotKey(nullptr, 1);
        return 0;
    }
    return -1;
}

// A block of memory in the process of a window, for messages that carry pointers.
class RemoteBlock {
public:
    RemoteBlock(HWND hwnd, size_t size) : m_size(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process) m_base = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (m_base) VirtualFreeEx(m_process, m_base, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    bool Valid() const { return m_base != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(m_base) + offset; }
    bool Write(size_t offset, const void* data, size_t n) const {
        return offset + n <= m_size && WriteProcessMemory(m_process, At(offset), data, n, nullptr);
    }
    bool Read(size_t offset, void* data, size_t n) const {
        return offset + n <= m_size && ReadProcessMemory(m_process, At(offset), data, n, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    void* m_base = nullptr;
    size_t m_size;
};

// Read as the system stores it (wide) and printed as UTF-8: names outside the code page too.
std::string ItemText(HWND list, int row, int column) {
    const size_t textChars = 1024;
    RemoteBlock block(list, sizeof(LVITEMW) + textChars * sizeof(wchar_t));
    if (!block.Valid()) return std::string();
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(block.At(sizeof item));
    item.cchTextMax = static_cast<int>(textChars);
    wchar_t text[1024] = {};
    if (!block.Write(0, &item, sizeof item) ||
        !SendTimeout(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.At(0))) ||
        !block.Read(sizeof item, text, sizeof text - sizeof(wchar_t)))
        return std::string();
    return NameFromWide(text);
}

// A rectangle that the window writes into its own memory, printed on the screen.
int PrintRemoteRect(HWND window, UINT msg, WPARAM wParam, const RECT& in) {
    RemoteBlock block(window, sizeof(RECT));
    RECT rc = in;
    if (!block.Valid() || !block.Write(0, &rc, sizeof rc) ||
        !SendTimeout(window, msg, wParam, reinterpret_cast<LPARAM>(block.At(0))) || !block.Read(0, &rc, sizeof rc))
        return 1;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return PrintRect(rc);
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<OwnedSearch*>(lParam);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == search->owner) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog owned by the main window: an open, save or folder dialog (or a message box).
HWND OwnedDialog(HWND main) {
    OwnedSearch search{main, nullptr};
    EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int ListCommand(HWND main, int argc, char** argv) {
    const char* cmd = argv[1];
    HWND list = argc >= 3 ? GetDlgItem(main, atoi(argv[2])) : nullptr;
    if (!list) return Usage();
    DWORD_PTR count = 0;
    if (!SendTimeout(list, LVM_GETITEMCOUNT, 0, 0, &count)) return 1;
    if (!strcmp(cmd, "list-selected")) {
        DWORD_PTR next = 0;
        int i = -1;
        std::string line;
        while (SendTimeout(list, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED, &next) &&
               static_cast<int>(next) > i) {
            i = static_cast<int>(next);
            line += (line.empty() ? "" : " ") + std::to_string(i);
        }
        printf("%s\n", line.c_str());
        return 0;
    }
    if (!strcmp(cmd, "list-rows")) {
        for (int row = 0; row < static_cast<int>(count); ++row) {
            std::string line;
            for (int column = 0; column < 6; ++column) line += (column ? "|" : "") + ItemText(list, row, column);
            printf("%s\n", line.c_str());
        }
        return 0;
    }
    if (!strcmp(cmd, "list-icon-rect") && argc == 4) {
        RECT rc{};
        rc.left = LVIR_ICON;
        return PrintRemoteRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(atoi(argv[3])), rc);
    }
    return Usage();
}

int DialogCommand(HWND main, int argc, char** argv) {
    const char* cmd = argv[1];
    const bool waitFor = !strcmp(cmd, "dialog-wait"), waitGone = !strcmp(cmd, "dialog-gone");
    if (waitFor || waitGone) {
        if (argc != 3) return Usage();
        HWND dialog = nullptr;
        if (!WaitUntil(
                atof(argv[2]), [&] { return ((dialog = OwnedDialog(main)) != nullptr) == waitFor; },
                waitFor ? "no dialog" : "a dialog is left"))
            return 1;
        if (waitFor) {
            char title[256] = {};
            GetWindowTextA(dialog, title, sizeof title);
            printf("%s\n", title);
        }
        return 0;
    }
    HWND dialog = OwnedDialog(main);
    if (!dialog) {
        fprintf(stderr, "velumctl: no dialog\n");
        return 1;
    }
    if (!strcmp(cmd, "browse-select") && argc == 3) {
        const size_t n = strlen(argv[2]) + 1;
        RemoteBlock block(dialog, n);
        return block.Valid() && block.Write(0, argv[2], n) &&
                       SendTimeout(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(block.At(0)))
                   ? 0
                   : 1;
    }
    HWND item = argc >= 3 ? GetDlgItem(dialog, atoi(argv[2])) : nullptr;
    if (!item) {
        fprintf(stderr, "velumctl: the dialog has no control %s\n", argc >= 3 ? argv[2] : "");
        return 1;
    }
    if (!strcmp(cmd, "dialog-set-text") && argc == 4) {
        // From the wide command line: a file name outside the code page arrives whole.
        int wideCount = 0;
        LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
        const bool ok = wide && wideCount == argc &&
                        SendMessageTimeoutW(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide[3]), SMTO_ABORTIFHUNG,
                                            10000, nullptr);
        LocalFree(wide);
        return ok ? 0 : 1;
    }
    if (!strcmp(cmd, "dialog-rect")) return PrintWindowRect(item);
    if (!strcmp(cmd, "dialog-check")) {
        DWORD_PTR state = 0;
        if (!SendTimeout(item, BM_GETCHECK, 0, 0, &state)) return 1;
        printf("%d\n", state == BST_CHECKED ? 1 : 0);
        return 0;
    }
    if (!strcmp(cmd, "dialog-command")) {
        return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), BN_CLICKED),
                            reinterpret_cast<LPARAM>(item))
                   ? 0
                   : 1;
    }
    return Usage();
}

struct Layered {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindLayered(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Layered*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search->process || !(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool PostRetrying(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A full queue refuses posts until the window has worked some off.
    const DWORD start = GetTickCount();
    while (!PostMessageA(hwnd, msg, wParam, lParam)) {
        if (!IsWindow(hwnd) || GetTickCount() - start > 20000) return false;
        Sync(hwnd);
        Sleep(10);
    }
    return true;
}

int Sweep(HWND main, WPARAM wParam, LPARAM lParam) {
    const UINT quitInstance = WM_USER + 1083;
    Layered search = {0, nullptr};
    GetWindowThreadProcessId(main, &search.process);
    EnumWindows(FindLayered, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        fprintf(stderr, "velumctl: no display window\n");
        return 1;
    }
    unsigned posted = 0;
    for (HWND target : {main, search.found}) {
        for (UINT msg = WM_USER; msg <= WM_USER + 0x1000; ++msg) {
            if (msg == quitInstance) continue;
            if (!PostRetrying(target, msg, wParam, lParam)) {
                fprintf(stderr, "velumctl: message %u not posted\n", msg);
                return 1;
            }
            ++posted;
        }
    }
    printf("posted %u messages\n", posted);
    return Sync(main) && Sync(search.found) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    while (argc >= 2 && (!strcmp(argv[1], "--title") || !strcmp(argv[1], "--yes") || !strcmp(argv[1], "--utf8"))) {
        if (!strcmp(argv[1], "--utf8")) {
            g_printUtf8 = true;
            --argc;
            ++argv;
        } else if (!strcmp(argv[1], "--yes")) {
            g_answerYes = true;
            --argc;
            ++argv;
        } else if (argc >= 3) {
            g_boxTitle = argv[2];
            argc -= 2;
            argv += 2;
        } else {
            return Usage();
        }
    }
    if (argc < 2) return Usage();
    const char* cmd = argv[1];
    if (!strcmp(cmd, "count")) {
        printf("%u\n", static_cast<unsigned>(MainWindows().size()));
        return 0;
    }
    if (!strcmp(cmd, "wait-window") && argc == 3) return WaitFor(true, atof(argv[2])) ? 0 : 1;
    const int other = Other(argc, argv);
    if (other >= 0) return other;

    std::vector<HWND> windows = MainWindows();
    if (windows.empty()) {
        fprintf(stderr, "velumctl: no main window\n");
        return 1;
    }
    HWND hwnd = windows.front();
    if (!strcmp(cmd, "visible")) {
        printf("%s\n", IsWindowVisible(hwnd) ? "visible" : "hidden");
        return 0;
    }
    if (!strcmp(cmd, "foreground")) {
        printf("%s\n", GetForegroundWindow() == hwnd ? "front" : "behind");
        return 0;
    }
    if (!strcmp(cmd, "sync")) return Sync(hwnd) ? 0 : 1;
    if (!strcmp(cmd, "command") && argc == 3) {
        return PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(atoi(argv[2])), 0) ? 0 : 1;
    }
    if (!strcmp(cmd, "message") && (argc == 3 || argc == 5)) {
        DWORD_PTR answer = 0;
        WPARAM w = argc == 5 ? static_cast<WPARAM>(strtoul(argv[3], nullptr, 0)) : 0;
        LPARAM l = argc == 5 ? static_cast<LPARAM>(strtol(argv[4], nullptr, 0)) : 0;
        if (!SendTimeout(hwnd, static_cast<UINT>(atoi(argv[2])), w, l, &answer)) return 1;
        printf("%ld\n", static_cast<long>(answer));
        return 0;
    }
    if (!strcmp(cmd, "rect")) return PrintWindowRect(hwnd);
    if (!strcmp(cmd, "moving")) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        bool moving = GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) && (info.flags & GUI_INMOVESIZE);
        printf("%s\n", moving ? "moving" : "still");
        return 0;
    }
    HWND item = argc >= 3 ? GetDlgItem(hwnd, atoi(argv[2])) : nullptr;
    if (!strcmp(cmd, "item-text") && item) {
        char text[512] = {};
        // Sent, not GetWindowText: that gives an edit control of another process no text.
        if (!SendTimeout(item, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text))) return 1;
        printf("%s\n", text);
        return 0;
    }
    if (!strcmp(cmd, "set-text") && item && argc == 4)
        return SendTimeout(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3])) ? 0 : 1;
    if (!strcmp(cmd, "item-rect")) return PrintWindowRect(item);
    if (!strcmp(cmd, "dropped") && item) {
        DWORD_PTR dropped = 0;
        if (!SendTimeout(item, CB_GETDROPPEDSTATE, 0, 0, &dropped)) return 1;
        printf("%s\n", dropped ? "dropped" : "closed");
        return 0;
    }
    if (!strcmp(cmd, "select") && item && argc == 4) {
        if (!SendTimeout(item, CB_SETCURSEL, static_cast<WPARAM>(atoi(argv[3])), 0)) return 1;
        return SendTimeout(hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(item))
                   ? 0
                   : 1;
    }
    if (!strcmp(cmd, "key") && argc == 3) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
        HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : hwnd;
        WPARAM vk = static_cast<WPARAM>(strtoul(argv[2], nullptr, 0));
        return PostMessageA(target, WM_KEYDOWN, vk, 1) && PostMessageA(target, WM_KEYUP, vk, 0xC0000001) ? 0 : 1;
    }
    if (!strcmp(cmd, "sweep") && argc == 4)
        return Sweep(hwnd, static_cast<WPARAM>(strtoul(argv[2], nullptr, 0)),
                     static_cast<LPARAM>(strtoul(argv[3], nullptr, 0)));
    if (!strncmp(cmd, "list-", 5)) return ListCommand(hwnd, argc, argv);
    if (!strncmp(cmd, "dialog-", 7) || !strcmp(cmd, "browse-select")) return DialogCommand(hwnd, argc, argv);
    return Usage();
}
