// The size and position dialog in process: its lists and texts, what OK gives back for
// stored, chosen and damaged regions, and how the configuration window opens it.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>

#include "res/ImageSizeIds.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "tests/support/Regions.h"
#include "ui/ImageSizeCustomDlg.h"
#include "tests/support_win/ConfigWindowRig.h"
#include "tests/support_win/WindowTests.h"

namespace {

const ScreenRect k1024{0, 0, 1024, 768};
const ScreenRect k1280{0, 0, 1280, 1024};

const auto Region = MakeRegion;

class ImageSizeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.LoadLanguage(SourceLanguageFolder() + "\\vmeng.lng"));
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    void Open(const CDisplayRegion& region, const ScreenRect& screen = k1280) {
        dlg = std::make_unique<CImageSizeCustomDlg>(region, Lookup(), screen);
        ASSERT_TRUE(dlg->Create());
        hwnd = dlg->GetSafeHwnd();
    }
    TextLookup Lookup() {
        return [this](const std::string& section, const std::string& key, std::string& text) {
            return lang.GetString(section, key, text);
        };
    }
    CComboBoxCtrl Combo(int id) { return CComboBoxCtrl(hwnd, id); }
    std::string Text(int id) { return CControl(hwnd, id).Text(); }
    // As a user picks an entry: the selection, then the notification.
    void ChooseSize(int entry) {
        Combo(IDC_DISPLAY_SIZE).SetCurSel(entry);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_DISPLAY_SIZE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_DISPLAY_SIZE)));
    }
    void Click(int id) { SendDlgItemMessageA(hwnd, id, BM_CLICK, 0, 0); }
    // OK ends a modeless dialog by destroying it; the region stays with the object.
    const CDisplayRegion& Ok() {
        SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(IsWindow(hwnd));
        return dlg->Region();
    }
    bool PickerEnabled() { return IsWindowEnabled(GetDlgItem(hwnd, IDC_POSITION_PICKER)) != FALSE; }

    CLanguageManager lang;
    std::unique_ptr<CImageSizeCustomDlg> dlg;
    HWND hwnd = nullptr;
};

TEST_F(ImageSizeDialogTest, OkWithoutAChangeGivesTheStoredRegionBack) {
    struct Case {
        CDisplayRegion region;
        ScreenRect screen;
    } cases[] = {
        {Region(800, 600, 240, 212, 1, 1), k1280},  // the miniature alone would give (237, 201)
        {Region(400, 250, 17, 33, 1, 1), k1280},    // no preset: an entry of its own
        {Region(1280, 1024, 0, 0, 1, 0), k1024},    // from a larger screen
        {Region(-1, 300, 0, 0, 1, 0), k1024},
    };
    for (const Case& c : cases) {
        const CDisplayRegion& r = c.region;
        SCOPED_TRACE(testing::Message() << r.m_nWidth << " x " << r.m_nHeight << " at " << r.m_nLeft << ", "
                                        << r.m_nTop);
        Open(r, c.screen);
        EXPECT_EQ(PickerEnabled(), r.m_nPositionMode != 0);
        EXPECT_EQ(Ok(), r);
    }
}

TEST_F(ImageSizeDialogTest, ChosenSizeIsExactlyCentredAndTheFullScreenKeepsTheHeight) {
    Open(Region(800, 600, 0, 0, 1, 1), k1024);
    ChooseSize(6);  // 560 x 420
    ASSERT_EQ(Text(IDC_DISPLAY_SIZE), "560 x 420");
    EXPECT_EQ(Ok(), Region(560, 420, 232, 174, 1, 1));  // the miniature would give (227, 163)

    Open(Region(400, 250, 600, 500, 0, 1), k1280);
    ChooseSize(0);
    EXPECT_EQ(Ok(), Region(-1, 250, 0, 0, 0, 1));
}

TEST_F(ImageSizeDialogTest, PositionButtonsSwitchThePickerAndTheMode) {
    Open(Region(640, 480, 100, 100, 1, 0), k1024);
    EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_POSITION_RANDOM), BST_CHECKED);
    EXPECT_FALSE(PickerEnabled());
    Click(IDC_POSITION_CUSTOM);
    EXPECT_TRUE(PickerEnabled());
    Click(IDC_POSITION_RANDOM);
    EXPECT_FALSE(PickerEnabled());
    Click(IDC_POSITION_CUSTOM);
    Combo(IDC_DISPLAY_MODE).SetCurSel(0);
    EXPECT_EQ(Ok(), Region(640, 480, 100, 100, 0, 1));
}

TEST_F(ImageSizeDialogTest, DamagedRegionsOpenAndGiveACleanResult) {
    struct Case {
        CDisplayRegion region;
        int w, h, left, top, fit;
    } cases[] = {
        {Region(INT_MAX, -5, INT_MIN, INT_MAX, 7, 9), -1, -5, 0, 0, 7},
        {Region(30000000, 600, INT_MAX, INT_MIN, -1, -1), 30000000, 600, 0, 0, -1},
        {Region(800, 600, 5000, 5000, 1, 1), 800, 600, 480, 424, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.region.m_nWidth << " x " << c.region.m_nHeight);
        Open(c.region, k1280);
        // A mode the list lacks stays as it was; any position mode but 0 is the custom one.
        EXPECT_EQ(Ok(), Region(c.w, c.h, c.left, c.top, c.fit, c.region.m_nPositionMode != 0));
    }
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
        s_opened = 0;
        m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogScript() { UnhookWindowsHookEx(m_hook); }
    static int Opened() { return s_opened; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        // Once per dialog, however often it is activated.
        if (code == HCBT_ACTIVATE && hwnd != s_last && GetDlgItem(hwnd, IDC_DISPLAY_SIZE)) {
            s_last = hwnd;
            ++s_opened;
            s_script(hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
    static inline std::function<void(HWND)> s_script;
    static inline HWND s_last = nullptr;
    static inline int s_opened = 0;
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
    // An entry of the image size list confirmed; "Custom" may be selected already.
    auto confirm = [&](int entry, std::function<void(HWND)> user) {
        DialogScript script(std::move(user));
        SendMessageA(sizeMode, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SIZE_MODE, CBN_SELENDOK), reinterpret_cast<LPARAM>(sizeMode));
        return DialogScript::Opened();
    };
    auto post = [](UINT id) { return [id](HWND dialog) { PostMessageA(dialog, WM_COMMAND, id, 0); }; };

    EXPECT_EQ(confirm(3, post(IDOK)), 1);
    EXPECT_EQ(confirm(3,
                      [](HWND dialog) {
                          PostChoice(dialog, "Full Screen Size");
                          PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                      }),
              1);
    EXPECT_EQ(confirm(1, post(IDCANCEL)), 0);
    EXPECT_EQ(host.options.m_region, stored);
    EXPECT_EQ(host.modified, 0);

    EXPECT_EQ(confirm(3,
                      [](HWND dialog) {
                          PostChoice(dialog, "800 x 600");
                          PostMessageA(GetDlgItem(dialog, IDC_POSITION_CUSTOM), BM_CLICK, 0, 0);
                          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                      }),
              1);
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const CDisplayRegion chosen = Region(800, 600, (cx - 800) / 2, (cy - 600) / 2, 1, 1);
    // Marked, or the display window would keep the old region until the next start; but
    // not in the option data before this window's OK, where another window's OK would save it.
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.options.m_region, stored);
    // Opened again, the dialog shows the choice.
    std::string shownSize;
    EXPECT_EQ(confirm(3,
                      [&shownSize](HWND dialog) {
                          shownSize = CComboBoxCtrl(dialog, IDC_DISPLAY_SIZE).Text();
                          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                      }),
              1);
    EXPECT_EQ(shownSize, "800 x 600");
    EXPECT_EQ(host.modified, 1);
    ASSERT_TRUE(config.config.TakeValues());
    EXPECT_EQ(host.options.m_region, chosen);

    // Cancel refills the window: a choice not confirmed is gone.
    host.options.m_region = stored;
    EXPECT_EQ(confirm(3,
                      [](HWND dialog) {
                          PostChoice(dialog, "800 x 600");
                          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                      }),
              1);
    config.config.FillControls();
    ASSERT_TRUE(config.config.TakeValues());
    EXPECT_EQ(host.options.m_region, stored);
    config.DestroyWindow();
}

}  // namespace
