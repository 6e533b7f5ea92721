// The size and position dialog in process: what OK gives back for a damaged region, and
// how the configuration window opens it.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "res/ImageSizeIds.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "tests/support/Regions.h"
#include "ui/ImageSizeCustomDlg.h"
#include "tests/support_win/ConfigWindowRig.h"
#include "tests/support_win/WindowTests.h"

namespace {

const auto Region = MakeRegion;

class ImageSizeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.LoadLanguage(SourceLanguageFolder() + "\\vmeng.lng"));
    }

    CLanguageManager lang;
};

TEST_F(ImageSizeDialogTest, ADamagedRegionOpensAndGivesACleanResult) {
    CImageSizeCustomDlg dlg(
        Region(INT_MAX, -5, INT_MIN, INT_MAX, 7, 9),
        [this](const std::string& s, const std::string& k, std::string& t) { return lang.GetString(s, k, t); },
        ScreenRect{0, 0, 1280, 1024});
    ASSERT_TRUE(dlg.Create());
    // A mode the list lacks stays as it was; any position mode but 0 is the custom one.
    SendMessageA(dlg.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(dlg.Region(), Region(-1, -5, 0, 0, 7, 1));
}

// ---------------------------------------------------------------------------------------
// Opened from the configuration window

// Acts on the size dialog once the modal loop runs it: what the user would do, posted,
// so that it happens inside the loop.
class DialogScript {
public:
    explicit DialogScript(std::function<void(HWND)> script) {
        s_script = std::move(script);
        s_last = nullptr;
        m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogScript() { UnhookWindowsHookEx(m_hook); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        // Once per dialog, however often it is activated.
        if (code == HCBT_ACTIVATE && hwnd != s_last && GetDlgItem(hwnd, IDC_DISPLAY_SIZE)) {
            s_last = hwnd;
            s_script(hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
    static inline std::function<void(HWND)> s_script;
    static inline HWND s_last = nullptr;
};

void PostChoice(HWND dialog, const char* size) {
    HWND list = GetDlgItem(dialog, IDC_DISPLAY_SIZE);
    const LRESULT entry =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(size));
    ASSERT_GE(entry, 0) << size;
    PostMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DISPLAY_SIZE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

TEST_F(ImageSizeDialogTest, ConfigWindowTakesAConfirmedChangeOnlyAndMarksItModified) {
    FakeConfigHost host;
    host.options.m_nSizeMode = 3;
    host.options.m_region = Region(400, 250, 240, 212, 1, 0);
    const CDisplayRegion stored = host.options.m_region;
    ConfigDialog config(host, lang);
    ASSERT_TRUE(config.Create());
    HWND window = config.GetSafeHwnd(), sizeMode = GetDlgItem(window, IDC_SIZE_MODE);
    // "Custom" confirmed in the image size list, and what the user does in the dialog.
    auto custom = [&](std::function<void(HWND)> user) {
        DialogScript script(std::move(user));
        SendMessageA(sizeMode, CB_SETCURSEL, 3, 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SIZE_MODE, CBN_SELENDOK), reinterpret_cast<LPARAM>(sizeMode));
    };
    auto choose800 = [](HWND dialog) {
        PostChoice(dialog, "800 x 600");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };

    custom(choose800);
    // Marked, or the display window would keep the old region until the next start; but
    // not in the option data before this window's OK, where another window's OK would save it.
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.options.m_region, stored);
    // Opened again, the dialog shows the choice.
    std::string shownSize;
    custom([&shownSize](HWND dialog) {
        shownSize = CComboBoxCtrl(dialog, IDC_DISPLAY_SIZE).Text();
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(shownSize, "800 x 600");
    ASSERT_TRUE(config.config.TakeValues());
    EXPECT_EQ(host.options.m_region.m_nWidth, 800);

    // Cancel refills the window: a choice not confirmed is gone.
    host.options.m_region = stored;
    custom(choose800);
    config.config.FillControls();
    ASSERT_TRUE(config.config.TakeValues());
    EXPECT_EQ(host.options.m_region, stored);
    config.DestroyWindow();
}

}  // namespace
