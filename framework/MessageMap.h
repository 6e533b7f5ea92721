// Handlers mapped by message number, by command id, by control id and notification code
// (WM_COMMAND), and by control id and code (WM_NOTIFY). A window routes through its own
// map and through the maps of the components that work on it.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <utility>

class CMessageMap {
public:
    // A mapped handler returns false to let the message go on to the next handler and,
    // in the end, to the system's default processing.
    using MessageHandler = std::function<bool(WPARAM wParam, LPARAM lParam, LRESULT& result)>;
    using CommandHandler = std::function<void(UINT id)>;
    using NotifyHandler = std::function<bool(NMHDR* header, LRESULT& result)>;
    // MapNotify for any sender, e.g. tooltips, whose id is a window handle.
    static constexpr UINT kAnyControl = 0xFFFFFFFFu;

    CMessageMap() = default;
    virtual ~CMessageMap() = default;
    CMessageMap(const CMessageMap&) = delete;
    CMessageMap& operator=(const CMessageMap&) = delete;

    void MapMessage(UINT msg, MessageHandler handler) { m_messages[msg] = std::move(handler); }
    // A message that the handler always takes in full, answered with 0.
    void MapMessageTaken(UINT msg, std::function<void(WPARAM wParam, LPARAM lParam)> handler) {
        MapMessage(msg, [handler](WPARAM wParam, LPARAM lParam, LRESULT& result) {
            handler(wParam, lParam);
            result = 0;
            return true;
        });
    }
    // Menus, accelerators and button clicks (notification codes 0 and 1).
    void MapCommand(UINT id, CommandHandler handler) { MapCommandRange(id, id, std::move(handler)); }
    void MapCommandRange(UINT first, UINT last, CommandHandler handler);
    // WM_COMMAND from control id with this notification code (CBN_SELCHANGE, EN_CHANGE, ...).
    void MapControl(UINT id, UINT code, CommandHandler handler) { m_controls[{id, code}] = std::move(handler); }
    // WM_NOTIFY from control id with this code; kAnyControl matches every sender.
    void MapNotify(UINT id, UINT code, NotifyHandler handler) { m_notifies[{id, code}] = std::move(handler); }

    // True when a handler of this map took the message.
    bool RouteMapped(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    std::map<UINT, MessageHandler> m_messages;
    // Keyed by the last id of each range.
    std::map<UINT, std::pair<UINT, CommandHandler>> m_commands;
    std::map<std::pair<UINT, UINT>, CommandHandler> m_controls;
    std::map<std::pair<UINT, UINT>, NotifyHandler> m_notifies;
};
