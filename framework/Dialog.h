// Dialogs built from templates, on the common window base: handlers are virtual
// (OnInitDialog, OnCommand, OnOK, OnCancel, ...) or mapped (see CMessageMap).
#pragma once
#include <windows.h>

#include "framework/WindowBase.h"

// What a dialog procedure returns for a message its window handled with this result: some
// messages answer through the return value itself, the rest through DWLP_MSGRESULT.
INT_PTR DialogAnswer(HWND hwnd, UINT msg, LRESULT result);

class CDialog : public CTemplateWindow {
public:
    explicit CDialog(UINT templateId, HINSTANCE instance = nullptr);
    ~CDialog() override;

    // Runs the dialog with its own message loop until EndDialog; the owner is disabled
    // meanwhile. Returns the code given to EndDialog, or -1 when the dialog failed to open.
    INT_PTR DoModal(HWND owner = nullptr);
    // Opens a modeless dialog; the caller keeps the object alive until it is destroyed.
    bool Create(HWND owner = nullptr);
    void EndDialog(INT_PTR result);
    void DestroyWindow();

    bool IsModalLoopRunning() const { return m_bInModalLoop; }
    // EndDialog has been called; the modal loop ends before its next message.
    bool IsEndRequested() const { return m_bEndModal; }

    // The dialog object behind a window, nullptr for any other window.
    static CDialog* FromHandle(HWND hwnd);

protected:
    // Takes menu, accelerator and button clicks (codes 0 and 1) that no map took: IDOK
    // and IDCANCEL.
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Modal loop only: a chance to take a message before it is dispatched
    // (accelerators, modeless dialogs). True when it was taken.
    virtual bool PreTranslateMessage(MSG& msg);
    // Modal loop only: before the dialog shows and each time before the loop waits, so
    // after whatever nested loop a message ran has returned. May end the dialog.
    virtual void BeforeNextMessage() {}

    bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    bool m_bInModalLoop = false;
    bool m_bModeless = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};
