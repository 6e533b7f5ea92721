// The Thumbnails view in process, in the configuration window's own template, with the
// real plug-in: the list modes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "res/ConfigIds.h"
#include "res/VelumIds.h"
#include "framework/Dialog.h"
#include "imageinfo/ImageInfo.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"
#include "ui/ThumbnailView.h"

namespace {

struct Host : IConfigWindowHost, IImageListHost {
    COptionData options;
    int modified = 0;
    CImageInfoReaders readers;
    COptionData& Options() override { return options; }
    void SetModified() override { ++modified; }
    void ResetDisplayList() override {}
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) override {
        readers.GetImageInfo(path, width, height, depth);
    }
    int LangMessageBox(const char*, UINT) override { return IDOK; }
};

class ThumbDialog : public CDialog {
public:
    ThumbDialog(Host& host, CLanguageManager& language, std::shared_ptr<CPaintLibThumbnailGenerater> plugin)
        : CDialog(IDD_VL_DIALOG),
          m_host(host),
          config(host, language),
          commands(host, language),
          thumbs(host, commands.List(), language),
          m_plugin(std::move(plugin)) {
        ChainMessageMap(&config);
        ChainMessageMap(&commands);
        ChainMessageMap(&thumbs);
    }
    Host& m_host;
    CConfigWindow config;
    CImageListCommands commands;
    CThumbnailView thumbs;
    bool created = false;

protected:
    BOOL OnInitDialog() override {
        created = config.Attach(m_hWnd) && commands.Attach(m_hWnd) && thumbs.Attach(m_hWnd, m_plugin);
        config.ApplyLanguage();
        commands.FillRows(m_host.options.m_images);
        thumbs.ShowStoredMode();
        return TRUE;
    }
    void OnDestroy() override {
        thumbs.Stop();
        config.Destroy();
    }

private:
    std::shared_ptr<CPaintLibThumbnailGenerater> m_plugin;
};

class ThumbnailViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        plugin = std::make_shared<CPaintLibThumbnailGenerater>();
        ASSERT_TRUE(plugin->Load());
        host.options.m_nListViewMode = 0;
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    void Open() {
        dlg.reset(new ThumbDialog(host, lang, plugin));
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(dlg->created);
        hwnd = dlg->GetSafeHwnd();
        list = GetDlgItem(hwnd, IDC_IMAGE_LIST);
    }
    DWORD ViewType() const { return static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)) & LVS_TYPEMASK; }

    Host host;
    CLanguageManager lang;
    std::shared_ptr<CPaintLibThumbnailGenerater> plugin;
    std::unique_ptr<ThumbDialog> dlg;
    HWND hwnd = nullptr, list = nullptr;
};

TEST_F(ThumbnailViewTest, TheModesSwitchByStyleAndAreTakenOnlyAtOk) {
    Open();
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_ICON));
    // Taken into the option data only at the configuration window's OK; until then
    // another window's OK saves the stored mode, and Cancel shows it again.
    EXPECT_EQ(host.options.m_nListViewMode, 0);
    EXPECT_EQ(host.modified, 1);
    // Cancel reloads a damaged stored mode: shown as Details, and kept until the user picks.
    host.options.m_nListViewMode = 7;
    dlg->thumbs.ShowStoredMode();
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
    dlg->thumbs.TakeMode(host.options);
    EXPECT_EQ(host.options.m_nListViewMode, 7);
}

}  // namespace
