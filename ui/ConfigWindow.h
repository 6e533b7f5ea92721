// The configuration window: the skinned frame, widgets, menus and option controls of the
// main dialog. It works on the main dialog's window, gets the messages the dialog's own
// map leaves (chained), and reaches the hub only through IConfigWindowHost.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/MessageMap.h"
#include "imagelist/ImageItem.h"
#include "lang/LanguageManager.h"
#include "settings/OptionData.h"
#include "ui/ConfigKeys.h"
#include "widgets/ButtonStyle.h"
#include "widgets/Skin.h"
#include "widgets/SkinButtons.h"
#include "widgets/SkinPanel.h"

class IConfigWindowHost {
public:
    virtual ~IConfigWindowHost() = default;
    // The option data this window edits.
    virtual COptionData& Options() = 0;
    virtual void SetModified() = 0;
};

class CConfigWindow : public CMessageMap {
public:
    CConfigWindow(IConfigWindowHost& host, const CLanguageManager& language);
    ~CConfigWindow() override;

    // Sizes the window, takes over its controls and makes the panels, fonts and tooltips.
    // False when a part of the skin could not be made.
    bool Attach(HWND window);
    // Frees the widgets before the window's controls go.
    void Destroy();

    // Dialog data exchange. Fill puts the option data into the controls and drops a region
    // chosen but not confirmed; Take checks the interval (5..1000) and copies the values
    // and a chosen region back, or shows the platform's message, puts the focus on the
    // interval and changes nothing.
    void FillControls();
    bool TakeValues();
    // The image size list from the option data (a size confirmed elsewhere); the other
    // edits stay pending.
    void FillSizeMode();
    // Texts, entries and fonts of the current language; each combo keeps its selection.
    void ApplyLanguage();
    // The keys the menus show, from any control of the window (the message loop's part);
    // true when msg was one and has been sent as a command.
    bool TranslateKeys(MSG& msg) const { return m_keys.Translate(m_hWnd, msg); }
    // Selects an opacity entry without a change notification (the opacity hotkeys).
    void SelectOpacityItem(int index);

    // Shown by Configure: on the taskbar, centred (unless maximized), in front. A window
    // that is visible already only comes to the front (and out of the taskbar when
    // minimized).
    void Show();
    // Hidden, and off the taskbar.
    void Hide();
    bool IsVisible() const { return m_hWnd && IsWindowVisible(m_hWnd); }
    void ToggleMaximize();

    // What Cancel puts back when the settings file cannot be read: the values this
    // window edits, as they were when it was last shown or filled.
    void RestoreShownValues();

    // The window's menu 142 as it opens, translated and filled; the caller destroys it.
    HMENU BuildWindowMenu();

    // The size and position dialog's place: "Custom" confirmed in the image size list.
    void OnCustomSizeChosen();

private:
    // The values this window edits, named as in COptionData.
    struct ShownValues {
        std::vector<CImageItem> m_images;
        int32_t m_nOpacity = 25, m_nInterval = 30, m_nSequence = 0, m_nSizeMode = 0, m_nListViewMode = 1;
        CDisplayRegion m_region;
    };

    void MapFrameMessages();
    void MapControls();
    void TakeOverControls();
    bool CreatePanels();
    void CreateToolTips();
    void CreateDialogFont();
    void ApplyShape(int width, int height);
    void ApplyLayout(int width, int height);
    void UpdateCaptions();
    void FillCombo(int id, const TextEntry* entries, size_t count, int fallbackSelection);
    void NoteShownValues();

    bool OnSetCursor();
    void OnLButtonDown(LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    int ZoneAt(POINT client) const;
    void OnContextMenu(HWND clicked, LPARAM lParam);
    bool OnToolTipText(NMHDR* header);
    void ShowMenu(UINT resourceId, POINT at);
    void ShowMenuBelow(int buttonId, bool rightCorner);
    void Modified();

    IConfigWindowHost& m_host;
    const CLanguageManager& m_language;
    HWND m_hWnd = nullptr;
    CSkin m_skin;

    // Widgets
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
    CSkinButton* m_pListModeButton = nullptr;
    std::vector<CSkinButton*> m_commandButtons;
    std::unique_ptr<CSkinPanel> m_captionPanel, m_bodyPanel, m_buttonPanel;
    std::unique_ptr<CSkinPanel> m_bars[4];
    HWND m_hToolTip = nullptr;

    // Fonts
    HFONT m_hDialogFont = nullptr;
    CStyleFont m_titleFont;
    CStyleFont m_captionFont;
    CWindowTexts m_texts;
    CConfigKeys m_keys;

    // Frame state
    int m_nHitZone = 0;
    bool m_bResizing = false;
    POINT m_dragStart = {0, 0};
    RECT m_dragStartRect = {0, 0, 0, 0};
    bool m_bFilling = false;
    // The size and position dialog's region, until this window's OK or Cancel.
    CDisplayRegion m_chosenRegion;
    bool m_bRegionChosen = false;

    ShownValues m_shown;
};
