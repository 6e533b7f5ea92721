#include "framework/PendingExit.h"

#include <cstring>

#include "framework/Dialog.h"
#include "framework/PropertySheet.h"

namespace {

struct NestedSearch {
    HWND main;
    int closed;
};

BOOL CALLBACK CloseIfNested(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<NestedSearch*>(lParam);
    char cls[16] = {};
    if (hwnd == search->main || !GetClassNameA(hwnd, cls, sizeof cls) || std::strcmp(cls, "#32770") != 0) return TRUE;
    CWindowBase* own = CWindowBase::FromHandle(hwnd);
    // The open sheet ends through its own loop; a subclassed system dialog (the folder
    // browser) is ended like any other.
    if (own && own == CPropertySheet::Open()) return TRUE;
    if (CDialog* dialog = dynamic_cast<CDialog*>(own)) {
        if (!dialog->IsModalLoopRunning()) return TRUE;
        dialog->EndDialog(IDCANCEL);
        ++search->closed;
        return TRUE;
    }
    // A Yes/No box has no Cancel: No is its way of declining.
    const INT_PTR answer = !GetDlgItem(hwnd, IDCANCEL) && GetDlgItem(hwnd, IDNO) ? IDNO : IDCANCEL;
    if (::EndDialog(hwnd, answer)) ++search->closed;
    return TRUE;
}

}  // namespace

int CloseNestedWindows(HWND main) {
    NestedSearch search = {main, 0};
    if (CPropertySheet::CancelOpen()) ++search.closed;
    EnumThreadWindows(GetCurrentThreadId(), CloseIfNested, reinterpret_cast<LPARAM>(&search));
    // Harmless without a menu; the menu's loop returns with no command chosen.
    EndMenu();
    return search.closed;
}

void CPendingExit::Request(HWND main, std::function<void()> act) {
    m_acts.push_back(std::move(act));
    CloseNestedWindows(main);
    // A request sent from another program arrives inside GetMessage, which goes on
    // waiting for a posted message; a nested loop that takes this one instead returns to
    // the main loop on its own.
    PostMessageA(main, WM_NULL, 0, 0);
}

bool CPendingExit::RunIfDue() {
    if (m_acts.empty()) return false;
    // An act may open a box of its own (a value that does not validate); a request made
    // meanwhile runs right after it, as its wake-up may have gone to that box's loop.
    while (!m_acts.empty()) {
        std::vector<std::function<void()>> acts;
        acts.swap(m_acts);
        for (const auto& act : acts) act();
    }
    return true;
}
