// The base of every window the program makes: dialogs, plain windows and subclassed
// controls. The object is stored in the window as a property, and every message goes
// through Dispatch, which keeps any exception inside the window procedure.
//
// Routing order: the window's own map, the maps of components chained to it, the
// control's own object for messages about a control (WM_DRAWITEM, WM_CTLCOLOR*,
// NM_CUSTOMDRAW: the widget paints itself), then the virtual OnMessage.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/MessageMap.h"

// The message loop of a modal window: runs until ended() is true, each message first offered
// to take (the window's own keys). WM_QUIT ends it and is posted again for the outer loop.
enum class ModalLoopEnd { Ended, Quit, Failed };
ModalLoopEnd RunModalLoop(const std::function<bool()>& ended, const std::function<bool(MSG& msg)>& take);

class CWindowBase : public CMessageMap {
public:
    CWindowBase() = default;
    ~CWindowBase() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object behind a window of this framework, nullptr for any other window.
    static CWindowBase* FromHandle(HWND hwnd);

    // A component working on this window gets the messages this window's map leaves;
    // the map must outlive the window.
    void ChainMessageMap(CMessageMap* map) { m_chain.push_back(map); }

protected:
    // True when handled; result goes back to the sender.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A message about this control that its parent passed back to it.
    virtual bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Every procedure calls this. threw (optional) tells that a handler threw: traced,
    // and the message counts as not handled.
    static bool Dispatch(CWindowBase* self, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                         bool* threw = nullptr) noexcept;
    // Stores the object in the window; false when another object is there already.
    bool AttachHandle(HWND hwnd);
    // Forgets the window (at WM_NCDESTROY, or before the object goes).
    void DetachHandle();

    HWND m_hWnd = nullptr;

private:
    std::vector<CMessageMap*> m_chain;
};

// The control a message is about, for reflection; nullptr for other messages.
HWND ReflectionTarget(UINT msg, WPARAM wParam, LPARAM lParam);

// A window made from a dialog template (a dialog or a property page): WM_INITDIALOG,
// WM_COMMAND and WM_DESTROY reach the virtual handlers once the maps have had them.
class CTemplateWindow : public CWindowBase {
public:
    CTemplateWindow(UINT templateId, HINSTANCE instance)
        : m_hInstance(instance ? instance : GetModuleHandleA(nullptr)), m_nTemplateId(templateId) {}
    UINT TemplateId() const { return m_nTemplateId; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // True when the command was handled.
    virtual bool OnCommand(UINT id, UINT notifyCode, HWND control);
    virtual void OnDestroy() {}

    bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    const HINSTANCE m_hInstance;
    const UINT m_nTemplateId;
};
