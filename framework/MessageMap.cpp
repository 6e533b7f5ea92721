#include "framework/MessageMap.h"

void CMessageMap::MapCommandRange(UINT first, UINT last, CommandHandler handler) {
    m_commands[last] = std::make_pair(first, std::move(handler));
}

bool CMessageMap::RouteMapped(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    auto mapped = m_messages.find(msg);
    if (mapped != m_messages.end() && mapped->second(wParam, lParam, result)) return true;
    if (msg == WM_COMMAND) {
        const UINT id = LOWORD(wParam), code = HIWORD(wParam);
        // Only a control names itself; an accelerator's code 1 is no CBN_SELCHANGE.
        auto control = lParam ? m_controls.find({id, code}) : m_controls.end();
        if (control != m_controls.end()) {
            control->second(id);
            result = 0;
            return true;
        }
        // Menus and accelerators send 0 or 1, a button click BN_CLICKED (0).
        if (code > 1) return false;
        auto it = m_commands.lower_bound(id);
        if (it != m_commands.end() && it->second.first <= id) {
            it->second.second(id);
            result = 0;
            return true;
        }
        return false;
    }
    if (msg == WM_NOTIFY && lParam) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        const UINT id = static_cast<UINT>(header->idFrom);
        for (UINT key : {id, kAnyControl}) {
            auto it = m_notifies.find({key, header->code});
            if (it != m_notifies.end() && it->second(header, result)) return true;
        }
    }
    return false;
}
