// A static control of a dialog turned into a link: underlined, blue (purple once
// visited), a hand cursor, and a click opens its address in the user's browser.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Window.h"

class CHyperLink : public CSubclassWindow {
public:
    CHyperLink() = default;
    ~CHyperLink() override;
    CHyperLink(const CHyperLink&) = delete;
    CHyperLink& operator=(const CHyperLink&) = delete;

    // Takes over control `id` of `dialog`; the control shows `text` (the address when empty).
    // False when there is no such control or it is a link already.
    bool Attach(HWND dialog, int id, const std::string& address, const std::string& text = std::string());
    void Detach();

    const std::string& Address() const { return m_strAddress; }
    bool IsVisited() const { return m_bVisited; }

    // Opens the address: the shell's "open" verb, else the registered web browser's
    // command line. Returns the system's result; above 32 is success.
    static long GotoURL(const std::string& address, int showCommand);

    // What a click does: open, then mark visited or beep and report.
    void Follow();

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual long Open() { return GotoURL(m_strAddress, SW_SHOW); }
    virtual void ReportError(long code);

private:
    void Paint();

    HFONT m_hFont = nullptr;
    std::string m_strAddress;
    std::string m_strText;
    bool m_bVisited = false;
};
