#include "framework/PropertySheet.h"

#include "base/Trace.h"
#include "framework/Dialog.h"

namespace {

// The sheet being made (the system's callback carries no pointer) and the open one.
CPropertySheet* g_pCreating = nullptr;
CPropertySheet* g_pOpen = nullptr;

// Without this style the caption shows a "?" button that no page answers.
void DropContextHelp(LPARAM dialogTemplate) {
    auto* words = reinterpret_cast<WORD*>(dialogTemplate);
    if (!words) return;
    // DLGTEMPLATEEX starts with version 1 and 0xFFFF; its style follows the help id and
    // the extended style. DLGTEMPLATE starts with the style.
    DWORD* style = words[1] == 0xFFFF ? reinterpret_cast<DWORD*>(words + 6) : reinterpret_cast<DWORD*>(words);
    *style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Pages

CPropertyPage::CPropertyPage(UINT templateId, HINSTANCE instance) : CTemplateWindow(templateId, instance) {}

CPropertyPage::~CPropertyPage() {
    DetachHandle();
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CPropertyPage* self = nullptr;
    if (msg == WM_INITDIALOG) {
        // lParam is the system's copy of the page's description; its lParam is the page.
        auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
        self = psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
        if (!self || !self->AttachHandle(hwnd)) return FALSE;
    } else {
        self = dynamic_cast<CPropertyPage*>(CWindowBase::FromHandle(hwnd));
    }
    if (!self) return FALSE;
    LRESULT result = 0;
    bool handled = Dispatch(self, msg, wParam, lParam, result);
    if (msg == WM_NCDESTROY) self->DetachHandle();
    return handled ? DialogAnswer(hwnd, msg, result) : FALSE;
}

bool CPropertyPage::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY && lParam) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == GetParent(m_hWnd) && OnSheetNotify(header->code, result)) return true;
    }
    return CTemplateWindow::Route(msg, wParam, lParam, result);
}

bool CPropertyPage::OnSheetNotify(UINT code, LRESULT& result) {
    switch (code) {
        case PSN_SETACTIVE:
            result = OnSetActive() ? 0 : -1;
            return true;
        case PSN_KILLACTIVE:
            result = OnKillActive() ? FALSE : TRUE;
            return true;
        case PSN_APPLY:
            if (OnApply()) {
                if (m_pSheet) m_pSheet->NoteApplied();
                result = PSNRET_NOERROR;
            } else {
                result = PSNRET_INVALID_NOCHANGEPAGE;
            }
            return true;
        case PSN_RESET:
            OnReset();
            if (m_pSheet) m_pSheet->NoteCancelled();
            result = 0;
            return true;
        case PSN_QUERYCANCEL:
            result = OnQueryCancel() ? FALSE : TRUE;
            return true;
        case PSN_WIZBACK:
            result = OnWizardBack();
            return true;
        case PSN_WIZNEXT:
            result = OnWizardNext();
            return true;
        case PSN_WIZFINISH:
            if (OnWizardFinish()) {
                if (m_pSheet) m_pSheet->NoteApplied();
                result = FALSE;
            } else {
                result = TRUE;
            }
            return true;
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------------------
// The sheet

CPropertySheet::CPropertySheet(std::string caption, bool wizard)
    : m_strCaption(std::move(caption)), m_bWizard(wizard) {}

CPropertySheet::~CPropertySheet() {
    DestroySheet();
    if (g_pOpen == this) g_pOpen = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage& page) {
    m_pages.push_back(&page);
}

CPropertySheet* CPropertySheet::Open() {
    return g_pOpen;
}

bool CPropertySheet::BringOpenToFront() {
    if (g_pOpen) g_pOpen->BringToFront();
    return g_pOpen != nullptr;
}

bool CPropertySheet::CancelOpen() {
    if (g_pOpen) g_pOpen->EndModal(IDCANCEL);
    return g_pOpen != nullptr;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM lParam) {
    if (msg == PSCB_PRECREATE) DropContextHelp(lParam);
    if (msg == PSCB_INITIALIZED && g_pCreating) {
        // From here on WM_SETTEXT and the other messages of the sheet window reach us.
        if (!g_pCreating->Subclass(hwnd)) VL_TRACE();
    }
    return 0;
}

bool CPropertySheet::Create(HWND owner) {
    if (m_hWnd || g_pOpen || m_pages.empty()) return false;
    // Handles, not an array of descriptions: the system walks such an array by each
    // entry's dwSize, which would have to be the size of the whole structure.
    std::vector<HPROPSHEETPAGE> pages;
    for (CPropertyPage* page : m_pages) {
        page->m_pSheet = this;
        PROPSHEETPAGEA psp{};
        // The first version of the structure: every system from Windows 95 on takes it.
        psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
        psp.dwFlags = PSP_DEFAULT | (page->m_strTitle.empty() ? 0 : PSP_USETITLE);
        psp.hInstance = page->m_hInstance;
        psp.pszTemplate = MAKEINTRESOURCEA(page->m_nTemplateId);
        psp.pfnDlgProc = &CPropertyPage::PageProc;
        psp.pszTitle = page->m_strTitle.c_str();
        psp.lParam = reinterpret_cast<LPARAM>(page);
        HPROPSHEETPAGE handle = CreatePropertySheetPageA(&psp);
        if (!handle) {
            VL_TRACE();
            for (HPROPSHEETPAGE made : pages) DestroyPropertySheetPage(made);
            return false;
        }
        pages.push_back(handle);
    }
    PROPSHEETHEADERA psh{};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_MODELESS | PSH_USECALLBACK | (m_bWizard ? PSH_WIZARD : 0);
    psh.hwndParent = owner;
    psh.hInstance = GetModuleHandleA(nullptr);
    psh.pszCaption = m_strCaption.c_str();
    psh.nPages = static_cast<UINT>(pages.size());
    psh.nStartPage = 0;
    psh.phpage = pages.data();
    psh.pfnCallback = &CPropertySheet::SheetCallback;

    m_nResult = IDCANCEL;
    m_bEndRequested = false;
    m_bEnded = false;
    g_pCreating = this;
    INT_PTR made = PropertySheetA(&psh);
    g_pCreating = nullptr;
    HWND sheet = reinterpret_cast<HWND>(made);
    if (!made || made == -1 || !IsWindow(sheet)) {
        VL_TRACE();
        return false;
    }
    if (!m_hWnd && !Subclass(sheet)) {
        VL_TRACE();
        ::DestroyWindow(sheet);
        return false;
    }
    g_pOpen = this;
    Centre(owner);
    try {
        OnInitSheet();
    } catch (...) {
        VL_TRACE();
    }
    return true;
}

bool CPropertySheet::PreTranslate(MSG& msg) {
    if (!m_hWnd || !msg.hwnd || (msg.hwnd != m_hWnd && !IsChild(m_hWnd, msg.hwnd))) return false;
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && PassKeyToControl(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }
    return SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)) != FALSE;
}

bool CPropertySheet::CheckEnded() {
    if (m_bEnded) return true;
    // A modeless sheet that closed by its buttons has no current page any more.
    if (!m_bEndRequested && m_hWnd && IsWindow(m_hWnd) && CurrentPageHwnd()) return false;
    DestroySheet();
    m_bEnded = true;
    return true;
}

void CPropertySheet::EndModal(INT_PTR result) {
    m_nResult = result;
    m_bEndRequested = true;
    // Wakes the loop so that it sees the end at once.
    if (m_hWnd) PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

void CPropertySheet::DestroySheet() {
    if (g_pOpen == this) g_pOpen = nullptr;
    // Enabled before the sheet goes: destroying the active window activates its owner
    // only when the owner can take the focus, else another program's window.
    if (m_hDisabledOwner) {
        EnableWindow(m_hDisabledOwner, TRUE);
        m_hDisabledOwner = nullptr;
    }
    HWND hwnd = m_hWnd;
    if (!hwnd) return;
    Unsubclass();
    if (IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

INT_PTR CPropertySheet::DoModal(HWND owner) {
    if (!Create(owner)) return -1;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        m_hDisabledOwner = owner;
    }
    if (RunModalLoop([this] { return CheckEnded(); }, [this](MSG& msg) { return PreTranslate(msg); }) !=
        ModalLoopEnd::Ended) {
        // WM_QUIT or a broken queue: the sheet goes as cancelled.
        EndModal(IDCANCEL);
        CheckEnded();
    }
    return m_nResult;
}

void CPropertySheet::Centre(HWND owner) const {
    RECT area, rc;
    if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(m_hWnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    SetWindowPos(m_hWnd, nullptr, area.left + (area.right - area.left - w) / 2,
                 area.top + (area.bottom - area.top - h) / 2, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CPropertySheet::BringToFront() const {
    if (!m_hWnd) return;
    if (IsIconic(m_hWnd)) ShowWindow(m_hWnd, SW_RESTORE);
    SetForegroundWindow(m_hWnd);
}

HWND CPropertySheet::CurrentPageHwnd() const {
    return m_hWnd ? reinterpret_cast<HWND>(SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
}

void CPropertySheet::SetWizardButtons(DWORD flags) const {
    if (m_hWnd) PostMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void CPropertySheet::PressButton(int button) const {
    if (m_hWnd) PostMessageA(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

void CPropertySheet::SetActivePage(int index) const {
    if (m_hWnd) SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}
