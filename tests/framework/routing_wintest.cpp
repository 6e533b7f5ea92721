// Routing by control id and code, chained component maps, reflection of painting
// messages to the control's own object, subclassing, and text tables.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Window.h"
#include "widgets/Skin.h"

namespace {

// A button whose parent hands back what concerns it.
class ProbeButton : public CSubclassWindow {
public:
    std::vector<UINT> reflected;
    HBRUSH brush = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));

protected:
    bool OnReflectedMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
        reflected.push_back(msg);
        if (msg == WM_CTLCOLORBTN) {
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        result = TRUE;
        return msg == WM_DRAWITEM;
    }
};

struct Component : CMessageMap {
    std::vector<std::string> log;
    Component() {
        MapControl(IDC_SEQUENCE, CBN_SELCHANGE, [this](UINT) { log.push_back("component selchange"); });
        MapMessage(WM_APP + 5, [this](WPARAM, LPARAM, LRESULT& result) {
            log.push_back("component message");
            result = 9;
            return true;
        });
        MapCommand(IDC_CLEAR, [this](UINT) { log.push_back("component clear"); });
    }
};

class RoutingDialog : public CDialog {
public:
    std::vector<std::string> log;
    Component component;

    RoutingDialog() : CDialog(IDD_VL_DIALOG) {
        MapControl(IDC_OPACITY, CBN_SELCHANGE, [this](UINT) { log.push_back("opacity selchange"); });
        MapCommand(IDC_OPACITY, [this](UINT) { log.push_back("opacity command"); });
        MapNotify(IDC_IMAGE_LIST, LVN_KEYDOWN, [this](NMHDR*, LRESULT& result) {
            log.push_back("list keydown");
            result = 3;
            return true;
        });
        MapNotify(kAnyControl, TTN_GETDISPINFOA, [this](NMHDR* header, LRESULT&) {
            log.push_back("any " + std::to_string(header->idFrom));
            return true;
        });
        // Declines, so that the component sees the message.
        MapMessage(WM_APP + 5, [this](WPARAM, LPARAM, LRESULT&) {
            log.push_back("own message");
            return false;
        });
        ChainMessageMap(&component);
    }
};

LRESULT Notify(HWND dialog, UINT_PTR id, UINT code, HWND from = nullptr) {
    NMHDR header{from, id, code};
    return SendMessageA(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

TEST(Routing, ControlNotificationsGoByIdAndCode) {
    RoutingDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();
    auto from = [hwnd](int id) { return reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)); };
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_OPACITY, CBN_SELCHANGE), from(IDC_OPACITY));
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_OPACITY, CBN_DROPDOWN), from(IDC_OPACITY));  // not mapped
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_OPACITY, 0), 0);                             // a menu
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_OPACITY, 1), 0);  // an accelerator, not a selection change
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_SEQUENCE, CBN_SELCHANGE), from(IDC_SEQUENCE));
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, 0), 0);
    EXPECT_EQ(Notify(hwnd, IDC_IMAGE_LIST, LVN_KEYDOWN), 3);
    Notify(hwnd, 4242, TTN_GETDISPINFOA);
    Notify(hwnd, IDC_IMAGE_LIST, TTN_GETDISPINFOA);
    EXPECT_EQ(Notify(hwnd, IDC_OPACITY, LVN_KEYDOWN), 0);  // another control's code
    EXPECT_EQ(SendMessageA(hwnd, WM_APP + 5, 0, 0), 9);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"opacity selchange", "opacity command", "opacity command",
                                                 "list keydown", "any 4242", "any 1008", "own message"}));
    EXPECT_EQ(dlg.component.log,
              (std::vector<std::string>{"component selchange", "component clear", "component message"}));
    dlg.DestroyWindow();
}

TEST(Routing, PaintingMessagesReachTheControlsOwnObject) {
    RoutingDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();
    ProbeButton button;
    ASSERT_TRUE(button.SubclassDlgItem(hwnd, IDC_ADD));
    HWND control = button.GetSafeHwnd();
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_ADD;
    item.hwndItem = control;
    EXPECT_EQ(SendMessageA(hwnd, WM_DRAWITEM, IDC_ADD, reinterpret_cast<LPARAM>(&item)), TRUE);
    // A menu's item is not a control.
    item.CtlType = ODT_MENU;
    SendMessageA(hwnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    // The colour message answers with the brush itself, not through DWLP_MSGRESULT.
    HDC dc = GetDC(control);
    EXPECT_EQ(SendMessageA(hwnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)),
              reinterpret_cast<LRESULT>(button.brush));
    ReleaseDC(control, dc);
    NMHDR custom{control, IDC_ADD, static_cast<UINT>(NM_CUSTOMDRAW)};
    SendMessageA(hwnd, WM_NOTIFY, IDC_ADD, reinterpret_cast<LPARAM>(&custom));
    EXPECT_EQ(button.reflected, (std::vector<UINT>{WM_DRAWITEM, WM_CTLCOLORBTN, WM_NOTIFY}));
    dlg.DestroyWindow();
}

TEST(Subclass, OneObjectPerControlAndTheOriginalProcedureComesBack) {
    RoutingDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND control = GetDlgItem(dlg.GetSafeHwnd(), IDC_REMOVE);
    const LONG_PTR original = GetWindowLongPtrA(control, GWLP_WNDPROC);
    {
        ProbeButton first, second;
        ASSERT_TRUE(first.Subclass(control));
        EXPECT_FALSE(second.Subclass(control));  // it would call itself through the chain
        EXPECT_FALSE(first.Subclass(GetDlgItem(dlg.GetSafeHwnd(), IDC_CLEAR)));
        EXPECT_EQ(CWindowBase::FromHandle(control), &first);
        EXPECT_NE(GetWindowLongPtrA(control, GWLP_WNDPROC), original);
    }
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), original);
    EXPECT_EQ(CWindowBase::FromHandle(control), nullptr);
    // A control destroyed while subclassed lets its object go.
    ProbeButton late;
    ASSERT_TRUE(late.Subclass(control));
    DestroyWindow(control);
    EXPECT_EQ(late.GetSafeHwnd(), nullptr);
    dlg.DestroyWindow();
}

TEST(WindowTexts, AMissingKeyPutsBackTheTemplatesTextNotTheLastLanguages) {
    RoutingDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();
    const TextEntry table[] = {{IDC_ADD, "Command Button", "Add", nullptr},
                               {IDC_REMOVE, "Command Button", "Remove", nullptr},
                               {4711, "Command Button", "Gone", nullptr}};  // no such control
    CWindowTexts texts;
    texts.Apply(hwnd, table, [](const std::string&, const std::string& key, std::string& text) {
        text = key == "Add" ? "Hinzufuegen" : "Entfernen";
        return true;
    });
    EXPECT_EQ(CControl(hwnd, IDC_ADD).Text(), "Hinzufuegen");
    EXPECT_EQ(CControl(hwnd, IDC_REMOVE).Text(), "Entfernen");
    texts.Apply(hwnd, table, [](const std::string&, const std::string& key, std::string& text) {
        if (key != "Remove") return false;
        text = "Weg";
        return true;
    });
    EXPECT_EQ(CControl(hwnd, IDC_ADD).Text(), "Add");
    EXPECT_EQ(CControl(hwnd, IDC_REMOVE).Text(), "Weg");
    dlg.DestroyWindow();
}

TEST(Skin, MagentaPixelsLetTheBackgroundThrough) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 4, 1);
    HBITMAP picture = CreateCompatibleBitmap(screen, 3, 1);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, picture);
    SetPixel(dc, 0, 0, RGB(255, 0, 255));
    SetPixel(dc, 1, 0, RGB(200, 10, 20));
    SetPixel(dc, 2, 0, RGB(255, 0, 255));
    SelectObject(dc, target);
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, 0, RGB(0, 128, 0));
    SetTextColor(dc, RGB(1, 2, 3));
    ASSERT_TRUE(DrawTransparentBitmap(dc, picture, 1, 0, kMagenta));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(200, 10, 20));
    EXPECT_EQ(GetPixel(dc, 3, 0), RGB(0, 128, 0));
    EXPECT_FALSE(DrawTransparentBitmap(dc, nullptr, 0, 0, kMagenta));
    SelectObject(dc, old);
    DeleteObject(picture);
    DeleteObject(target);
    DeleteDC(dc);
}

}  // namespace
