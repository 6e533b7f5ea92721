// Property sheets and wizards on the common window base. The sheet is created modeless
// and run by its own loop, so that single keys can bypass the sheet's keyboard handling
// and the loop can be ended from outside (Exit, a second start) without asking the pages.
// Pages are dialogs of their own templates; the sheet window is subclassed once the
// system has made it, so that its own messages (WM_SETTEXT, ...) reach this object.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Window.h"

class CPropertySheet;

class CPropertyPage : public CTemplateWindow {
public:
    explicit CPropertyPage(UINT templateId, HINSTANCE instance = nullptr);
    ~CPropertyPage() override;

    // The tab's text (in a wizard: nothing shown); empty keeps the template's caption.
    // Taken when the sheet is created.
    void SetTitle(std::string title) { m_strTitle = std::move(title); }
    const std::string& Title() const { return m_strTitle; }
    // The page's window exists once the page has been shown.
    bool IsCreated() const { return m_hWnd != nullptr; }
    CPropertySheet* Sheet() const { return m_pSheet; }

protected:
    // The page is about to be shown; false keeps it from being shown.
    virtual bool OnSetActive() { return true; }
    // The page is about to be left (another page, OK, Back, Next); false keeps it.
    virtual bool OnKillActive() { return true; }
    // OK, sent to every page that has been shown; false keeps the sheet open.
    virtual bool OnApply() { return true; }
    // The sheet is closing without OK.
    virtual void OnReset() {}
    // Cancel, Escape or the close box on the current page; false keeps the sheet open.
    virtual bool OnQueryCancel() { return true; }
    // Wizard: 0 goes on to the neighbouring page, -1 stays, a template id goes there.
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }
    // Wizard: the Finish button; false keeps the wizard open.
    virtual bool OnWizardFinish() { return true; }

    bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnSheetNotify(UINT code, LRESULT& result);

    std::string m_strTitle;
    CPropertySheet* m_pSheet = nullptr;
};

class CPropertySheet : public CSubclassWindow {
public:
    // Button ids of the sheet window.
    static constexpr int kApplyButton = 0x3021;
    static constexpr int kBackButton = 0x3023;
    static constexpr int kNextButton = 0x3024;
    static constexpr int kFinishButton = 0x3025;
    static constexpr int kDividerLine = 0x3026;  // the etched line above a wizard's buttons

    CPropertySheet(std::string caption, bool wizard);
    ~CPropertySheet() override;

    // Pages are shown in the order they are added; they must outlive the sheet's window.
    void AddPage(CPropertyPage& page);

    // Runs the sheet until it closes; the owner is disabled meanwhile. IDOK for OK or
    // Finish, IDCANCEL otherwise, -1 when the sheet could not be made (or another one of
    // this thread is open).
    INT_PTR DoModal(HWND owner = nullptr);

    // The parts of DoModal, for callers that pump messages themselves (tests).
    bool Create(HWND owner = nullptr);
    // The sheet's keyboard handling for one message; true when it took the message.
    bool PreTranslate(MSG& msg);
    // True once the sheet has ended (by its buttons or EndModal); its window is gone then.
    bool CheckEnded();

    // Ends the sheet with result, without asking the pages (the owner is going away).
    void EndModal(INT_PTR result);
    bool IsOpen() const { return m_hWnd != nullptr; }
    INT_PTR Result() const { return m_nResult; }
    void BringToFront() const;
    bool IsWizard() const { return m_bWizard; }

    // The sheet of this thread that is open, or nullptr: one at a time.
    static CPropertySheet* Open();
    // The open sheet to the front; false when none is open.
    static bool BringOpenToFront();
    // Ends the open sheet as cancelled (EndModal); false when none is open.
    static bool CancelOpen();

    HWND CurrentPageHwnd() const;
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Wizard buttons (PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH).
    void SetWizardButtons(DWORD flags) const;
    void PressButton(int button) const;
    void SetActivePage(int index) const;

protected:
    // After the system has made the sheet, its buttons and its first page.
    virtual void OnInitSheet() {}
    // A key that goes to the focused control as it is, without the sheet's own keyboard
    // handling (which turns pages on Ctrl + Tab and Ctrl + Page Up / Page Down).
    virtual bool PassKeyToControl(const MSG& msg) const {
        (void)msg;
        return false;
    }

    // Called by the pages.
    friend class CPropertyPage;
    void NoteApplied() { m_nResult = IDOK; }
    void NoteCancelled() { m_nResult = IDCANCEL; }

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lParam);
    // On the owner when it is shown, else on the screen's work area.
    void Centre(HWND owner) const;
    void DestroySheet();

    std::string m_strCaption;
    bool m_bWizard;
    std::vector<CPropertyPage*> m_pages;
    INT_PTR m_nResult = IDCANCEL;
    bool m_bEndRequested = false;
    bool m_bEnded = false;
    // The owner DoModal disabled; enabled again as the sheet goes.
    HWND m_hDisabledOwner = nullptr;
};
