// The configuration window in process: tooltips, language switches, the keys and what
// the window puts back or takes (what Wine cannot carry to another process); the size
// and position dialog: what OK gives back for a damaged region, and how the
// configuration window opens it.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "res/ConfigIds.h"
#include "res/ImageSizeIds.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "tests/support/Regions.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageSizeCustomDlg.h"
#include "tests/support_win/WindowTests.h"

namespace {

// The configuration window on its dialog template, with a host that counts the edits.
struct FakeConfigHost : IConfigWindowHost {
    COptionData options;
    int modified = 0;
    COptionData& Options() override { return options; }
    void SetModified() override { ++modified; }
};

class ConfigDialog : public CDialog {
public:
    ConfigDialog(FakeConfigHost& host, CLanguageManager& language) : CDialog(IDD_VL_DIALOG), config(host, language) {
        ChainMessageMap(&config);
    }
    CConfigWindow config;
    bool created = false;

protected:
    BOOL OnInitDialog() override {
        created = config.Attach(m_hWnd);
        config.ApplyLanguage();
        config.FillControls();
        return TRUE;
    }
    void OnDestroy() override { config.Destroy(); }
};

const std::string kLanguageFolder = SourceLanguageFolder();

class ConfigWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.EnumLanguages(kLanguageFolder, "vm*.lng"));
        ASSERT_TRUE(lang.LoadLanguage(kLanguageFolder + "\\vmdeu.lng"));
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    void Open() {
        dlg.reset(new ConfigDialog(host, lang));
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(dlg->created);
        hwnd = dlg->GetSafeHwnd();
    }

    CLanguageManager lang;
    FakeConfigHost host;
    std::unique_ptr<ConfigDialog> dlg;
    HWND hwnd = nullptr;
};

TEST_F(ConfigWindowTest, ToolTipsWholeBeyondTheirBuffer) {
    const std::string longTip(100, 'x');
    ASSERT_TRUE(
        lang.LoadLanguageFromBytes("[info]\nlang name=Test\n[ToolTips]\nAdd Button=" + longTip + "\n", "t.lng"));
    Open();
    NMTTDISPINFOA info{};
    info.hdr = {nullptr, reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd, IDC_ADD)), TTN_NEEDTEXTA};
    info.uFlags = TTF_IDISHWND;
    SendMessageA(hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::string(info.lpszText ? info.lpszText : info.szText), longTip);
}

TEST_F(ConfigWindowTest, SwitchingLanguageFollowsTheListModeOnScreenAndIsNoEdit) {
    host.options.m_nListViewMode = 0;
    Open();
    // Thumbnails chosen but not confirmed: the button names the view on screen.
    HWND list = GetDlgItem(hwnd, IDC_IMAGE_LIST);
    SetWindowLongA(list, GWL_STYLE, (GetWindowLongA(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_ICON);
    dlg->config.ApplyLanguage();
    EXPECT_EQ(CControl(hwnd, IDC_LIST_MODE).Text(), "Miniaturen");
    EXPECT_EQ(host.modified, 0);
}

TEST_F(ConfigWindowTest, ASizeConfirmedByTheWizardReplacesThePendingOneAndKeepsTheOtherEdits) {
    host.options.m_nSizeMode = 0;
    Open();
    CComboBoxCtrl(hwnd, IDC_SIZE_MODE).SetCurSel(1);
    SetDlgItemTextA(hwnd, IDC_INTERVAL, "77");
    host.options.m_nSizeMode = 2;  // the wizard finished
    dlg->config.FillSizeMode();
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nSizeMode, 2);
    EXPECT_EQ(host.options.m_nInterval, 77);
}

TEST_F(ConfigWindowTest, CtrlAWorksFromEveryControlButAnEditKeepsIt) {
    Open();
    BYTE before[256] = {}, keys[256] = {};
    ASSERT_TRUE(GetKeyboardState(before));
    memcpy(keys, before, sizeof keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    auto press = [&](int id) {
        MSG msg = {GetDlgItem(hwnd, id), WM_KEYDOWN, 'A', 1, 0, {0, 0}};
        return dlg->config.TranslateKeys(msg);
    };
    EXPECT_TRUE(press(IDC_OPACITY));
    EXPECT_FALSE(press(IDC_INTERVAL));
    SetKeyboardState(before);
}

// Cancel's fallback when the settings file cannot be read again.
TEST_F(ConfigWindowTest, CancelsFallbackPutsTheRowsBack) {
    host.options.m_images.resize(2);
    Open();
    dlg->config.Show();
    host.options.m_images.clear();
    dlg->config.RestoreShownValues();
    EXPECT_EQ(host.options.m_images.size(), 2u);
}

const auto Region = MakeRegion;

class ImageSizeDialogTest : public ConfigWindowTest {};

TEST_F(ImageSizeDialogTest, ADamagedRegionOpensAndGivesACleanResult) {
    CImageSizeCustomDlg sizeDlg(
        Region(INT_MAX, -5, INT_MIN, INT_MAX, 7, 9),
        [this](const std::string& s, const std::string& k, std::string& t) { return lang.GetString(s, k, t); },
        ScreenRect{0, 0, 1280, 1024});
    ASSERT_TRUE(sizeDlg.Create());
    // A mode the list lacks stays as it was; any position mode but 0 is the custom one.
    SendMessageA(sizeDlg.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(sizeDlg.Region(), Region(-1, -5, 0, 0, 7, 1));
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
    host.options.m_nSizeMode = 3;
    host.options.m_region = Region(400, 250, 240, 212, 1, 0);
    const CDisplayRegion stored = host.options.m_region;
    Open();
    HWND sizeMode = GetDlgItem(hwnd, IDC_SIZE_MODE);
    // "Custom" confirmed in the image size list, and what the user does in the dialog.
    auto custom = [&](std::function<void(HWND)> user) {
        DialogScript script(std::move(user));
        SendMessageA(sizeMode, CB_SETCURSEL, 3, 0);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_SIZE_MODE, CBN_SELENDOK), reinterpret_cast<LPARAM>(sizeMode));
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
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_region.m_nWidth, 800);

    // Cancel refills the window: a choice not confirmed is gone.
    host.options.m_region = stored;
    custom(choose800);
    dlg->config.FillControls();
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_region, stored);
}

}  // namespace
