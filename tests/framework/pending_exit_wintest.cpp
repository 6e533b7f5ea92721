#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/VelumIds.h"
#include "framework/Dialog.h"
#include "framework/PendingExit.h"

namespace {

const UINT_PTR kOpenNested = 1, kAskExit = 2, kGiveUp = 3;
const UINT kMenu = ~0u;

// A main window that opens one nested window from a message of its loop; an exit is
// asked for while that window is up, and the test records what the nested loop returned
// and when the exit ran.
class NestingMain : public CDialog {
public:
    explicit NestingMain(UINT boxFlags) : CDialog(IDD_VL_DIALOG), m_boxFlags(boxFlags) {}

    std::vector<std::string> log;
    bool modelessAlive = false;

protected:
    BOOL OnInitDialog() override {
        m_modeless.Create(m_hWnd);
        SetTimer(m_hWnd, kOpenNested, 1, nullptr);
        SetTimer(m_hWnd, kGiveUp, 10000, nullptr);
        return TRUE;
    }
    void OnTimer(UINT_PTR id) override {
        KillTimer(m_hWnd, id);
        if (id == kAskExit) {
            m_exit.Request(m_hWnd, [this] {
                log.push_back("exit");
                modelessAlive = IsWindow(m_modeless.GetSafeHwnd()) != FALSE;
                EndDialog(IDOK);
            });
        } else if (id == kGiveUp) {
            // Only when the nested window was not closed: ends every loop, and the log says so.
            log.push_back("gave up");
            EndMenu();
            PostQuitMessage(0);
        } else {
            SetTimer(m_hWnd, kAskExit, 50, nullptr);
            INT_PTR got = 0;
            if (m_boxFlags == kMenu) {
                HMENU menu = CreatePopupMenu();
                AppendMenuA(menu, MF_STRING, 40, "Item");
                SetForegroundWindow(m_hWnd);
                got = TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, m_hWnd, nullptr);
                DestroyMenu(menu);
            } else if (m_boxFlags) {
                got = MessageBoxA(m_hWnd, "Cancel?", "PendingExitTest", m_boxFlags);
            } else {
                CDialog nested(IDD_VL_DIALOG);
                got = nested.DoModal(m_hWnd);
            }
            log.push_back("nested " + std::to_string(got));
        }
    }
    void BeforeNextMessage() override { m_exit.RunIfDue(); }

private:
    UINT m_boxFlags;
    CDialog m_modeless{IDD_VL_DIALOG};
    CPendingExit m_exit;
};

struct NestedCase {
    UINT boxFlags;  // 0: a modal dialog of our own; kMenu: a popup menu
    INT_PTR declined;
};

class PendingExit : public ::testing::TestWithParam<NestedCase> {};

TEST_P(PendingExit, ClosesTheNestedWindowAsDeclinedAndEndsAfterItsLoopReturned) {
    NestingMain main(GetParam().boxFlags);
    EXPECT_EQ(main.DoModal(), IDOK);
    EXPECT_EQ(main.log, (std::vector<std::string>{"nested " + std::to_string(GetParam().declined), "exit"}));
    EXPECT_TRUE(main.modelessAlive);
}

INSTANTIATE_TEST_SUITE_P(Nested, PendingExit,
                         ::testing::Values(NestedCase{MB_YESNO, IDNO}, NestedCase{MB_YESNOCANCEL, IDCANCEL},
                                           NestedCase{MB_OKCANCEL, IDCANCEL}, NestedCase{0, IDCANCEL},
                                           NestedCase{kMenu, 0}));

}  // namespace
