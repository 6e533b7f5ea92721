#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "res/VelumIds.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "tests/support/TraceCapture.h"

namespace {

// Posts itself the given commands from OnInitDialog and records what arrives.
class ScriptDialog : public CDialog {
public:
    ScriptDialog() : CDialog(IDD_VL_DIALOG) {
        MapCommandRange(100, 110, [this](UINT id) { log.push_back("range " + std::to_string(id)); });
        MapCommand(200, [this](UINT) { log.push_back("single"); });
        MapCommand(300, [](UINT) -> void { throw std::runtime_error("command"); });
    }

    std::vector<UINT> posts;
    std::vector<std::string> log;

protected:
    BOOL OnInitDialog() override {
        // A control notification other than a click is not a command.
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(200, EN_CHANGE), 0);
        for (UINT id : posts) PostMessageA(m_hWnd, WM_COMMAND, id, 0);
        return TRUE;
    }
    void OnOK() override {
        log.push_back("ok");
        CDialog::OnOK();
    }
};

// A handler that throws costs its own message only.
TEST(Dialog, RoutesCommandsByIdAndRangeAndSurvivesAThrowingHandler) {
    TraceCapture quiet;
    ScriptDialog dlg;
    dlg.posts = {105, 110, 111, 99, 300, 200, IDOK};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"range 105", "range 110", "single", "ok"}));
}

TEST(Dialog, AQuitMessageEndsTheModalLoopAndStaysQueued) {
    struct Quitter : ScriptDialog {
        BOOL OnInitDialog() override {
            PostQuitMessage(3);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(WindowTexts, AMissingKeyPutsBackTheTemplatesTextNotTheLastLanguages) {
    ScriptDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();
    const TextEntry table[] = {{IDC_ADD, "Command Button", "Add", nullptr}};
    CWindowTexts texts;
    texts.Apply(hwnd, table, [](const std::string&, const std::string&, std::string& text) {
        text = "Hinzufuegen";
        return true;
    });
    EXPECT_EQ(CControl(hwnd, IDC_ADD).Text(), "Hinzufuegen");
    texts.Apply(hwnd, table, [](const std::string&, const std::string&, std::string&) { return false; });
    EXPECT_EQ(CControl(hwnd, IDC_ADD).Text(), "Add");
    dlg.DestroyWindow();
}

}  // namespace
