// The configuration window's image panels and bars: disabled child windows at the bottom
// of the z-order, so that a press on them reaches the window itself (moving it). A panel
// paints the background tile, the chrome rim and its texts; a bar paints its bitmap.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Window.h"
#include "widgets/Skin.h"

class CSkinPanel : public CWindow {
public:
    struct Text {
        RECT rect;  // client coordinates of the panel
        std::string text;
        HFONT font;  // not owned
        UINT format;
    };

    // bar: nullptr for a panel, else the bitmap drawn 1:1 (the skin's bar).
    CSkinPanel(const CSkin& skin, HBITMAP bar = nullptr) : m_skin(skin), m_hBar(bar) {}

    bool Create(HWND parent, const RECT& rc);
    void SetTexts(std::vector<Text> texts);
    const std::vector<Text>& Texts() const { return m_texts; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint(HDC dc, const RECT& client);

    const CSkin& m_skin;
    HBITMAP m_hBar;
    std::vector<Text> m_texts;
};
