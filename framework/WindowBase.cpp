#include "framework/WindowBase.h"
#include <commctrl.h>

#include <unordered_map>

#include "base/Sync.h"
#include "base/Trace.h"

namespace {
const char kObjectProp[] = "VelumWindowObject";

// The objects by window, in this process: every message asks, and a window property is
// a round trip to the server under Wine. The property stays as the window's own mark.
struct ObjectTable {
    Mutex lock;
    std::unordered_map<HWND, CWindowBase*> objects;
};

ObjectTable& Objects() {
    static ObjectTable table;
    return table;
}
}  // namespace

CWindowBase::~CWindowBase() {
    DetachHandle();
}

CWindowBase* CWindowBase::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    ObjectTable& table = Objects();
    LockGuard guard(table.lock);
    auto it = table.objects.find(hwnd);
    return it == table.objects.end() ? nullptr : it->second;
}

bool CWindowBase::AttachHandle(HWND hwnd) {
    if (!hwnd) return false;
    CWindowBase* present = FromHandle(hwnd);
    if (present && present != this) return false;
    if (!SetPropA(hwnd, kObjectProp, this)) {
        VL_TRACE();
        return false;
    }
    ObjectTable& table = Objects();
    LockGuard guard(table.lock);
    table.objects[hwnd] = this;
    m_hWnd = hwnd;
    return true;
}

void CWindowBase::DetachHandle() {
    if (!m_hWnd) return;
    {
        ObjectTable& table = Objects();
        LockGuard guard(table.lock);
        auto it = table.objects.find(m_hWnd);
        if (it != table.objects.end() && it->second == this) table.objects.erase(it);
    }
    if (GetPropA(m_hWnd, kObjectProp) == this) RemovePropA(m_hWnd, kObjectProp);
    m_hWnd = nullptr;
}

bool CWindowBase::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWindowBase::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

HWND ReflectionTarget(UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    switch (msg) {
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
        }
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            return header && header->code == static_cast<UINT>(NM_CUSTOMDRAW) ? header->hwndFrom : nullptr;
        }
        default:
            return nullptr;
    }
}

bool CWindowBase::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (RouteMapped(msg, wParam, lParam, result)) return true;
    for (CMessageMap* map : m_chain) {
        if (map->RouteMapped(msg, wParam, lParam, result)) return true;
    }
    HWND target = ReflectionTarget(msg, wParam, lParam);
    if (target && target != m_hWnd) {
        CWindowBase* control = FromHandle(target);
        if (control && control->OnReflectedMessage(msg, wParam, lParam, result)) return true;
    }
    return OnMessage(msg, wParam, lParam, result);
}

bool CWindowBase::Dispatch(CWindowBase* self, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                           bool* threw) noexcept {
    if (threw) *threw = false;
    if (!self) return false;
    try {
        return self->Route(msg, wParam, lParam, result);
    } catch (...) {
        VL_TRACE();
        if (threw) *threw = true;
        result = 0;
        return false;
    }
}

bool CTemplateWindow::OnCommand(UINT, UINT, HWND) {
    return false;
}

bool CTemplateWindow::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_INITDIALOG) {
        result = OnInitDialog();
        return true;
    }
    if (CWindowBase::Route(msg, wParam, lParam, result)) return true;
    switch (msg) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return true;
        default:
            return false;
    }
}

ModalLoopEnd RunModalLoop(const std::function<bool()>& ended, const std::function<bool(MSG& msg)>& take) {
    MSG msg;
    while (!ended()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return ModalLoopEnd::Quit;
        }
        if (got == -1) {
            VL_TRACE();
            return ModalLoopEnd::Failed;
        }
        if (take(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ModalLoopEnd::Ended;
}
