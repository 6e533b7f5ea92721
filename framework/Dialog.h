// Dialogs built from templates. The object lives in DWLP_USER; messages go to the virtual
// handlers below, or to handlers mapped by message number or command id. No exception
// leaves the dialog procedure: it is traced and the message counts as handled.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <utility>

class CDialog {
public:
    // A mapped handler returns false to let the system's default processing run.
    using MessageHandler = std::function<bool(WPARAM wParam, LPARAM lParam, LRESULT& result)>;
    using CommandHandler = std::function<void(UINT id)>;

    explicit CDialog(UINT templateId, HINSTANCE instance = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog with its own message loop until EndDialog; the owner is disabled
    // meanwhile. Returns the code given to EndDialog, or -1 when the dialog failed to open.
    INT_PTR DoModal(HWND owner = nullptr);
    // Opens a modeless dialog; the caller keeps the object alive until it is destroyed.
    bool Create(HWND owner = nullptr);
    void EndDialog(INT_PTR result);
    void DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    UINT TemplateId() const { return m_nTemplateId; }
    bool IsModalLoopRunning() const { return m_bInModalLoop; }

    // The object behind a dialog of this framework, nullptr for any other window.
    static CDialog* FromHandle(HWND hwnd);

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // True when the command was handled. The default takes menu, accelerator and button
    // clicks (codes 0 and 1): mapped commands, then IDOK and IDCANCEL.
    virtual bool OnCommand(UINT id, UINT notifyCode, HWND control);
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    virtual void OnDestroy() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Every message not taken by a mapped handler passes here first; return true when
    // handled (result then goes back to the sender).
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Modal loop only: a chance to take a message before it is dispatched
    // (accelerators, modeless dialogs). True when it was taken.
    virtual bool PreTranslateMessage(MSG& msg);

    void MapMessage(UINT msg, MessageHandler handler) { m_messages[msg] = std::move(handler); }
    void MapCommand(UINT id, CommandHandler handler) { MapCommandRange(id, id, std::move(handler)); }
    void MapCommandRange(UINT first, UINT last, CommandHandler handler);

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HINSTANCE m_hInstance;
    UINT m_nTemplateId;
    bool m_bInModalLoop = false;
    bool m_bModeless = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
    std::map<UINT, MessageHandler> m_messages;
    // Keyed by the last id of each range.
    std::map<UINT, std::pair<UINT, CommandHandler>> m_commands;
};
