#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/ProgramPath.h"
#include "base/Sync.h"
#include "lang/LangMessageBox_win.h"
#include "lang/LanguageManager.h"

namespace {

// The test runner sits in tests/, the shipped language files in program/language.
std::string ShippedLanguageFolder() {
    return ProgramFolder() + "\\..\\program\\language";
}

struct BoxSeen {
    std::string title, text;
    bool found = false;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam) {
    auto* seen = reinterpret_cast<BoxSeen*>(lParam);
    char cls[32] = {}, title[64] = {}, text[512] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    GetWindowTextA(hwnd, title, sizeof title);
    GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof text);  // the message box's text control
    seen->title = title;
    seen->text = text;
    seen->found = true;
    // Answer No when there is a No button, else OK.
    PostMessageA(hwnd, WM_COMMAND, GetDlgItem(hwnd, IDNO) ? IDNO : IDOK, 0);
    return FALSE;
}

// Finds the message box this thread's test opens and answers it.
void AnswerBox(BoxSeen* seen) {
    for (int i = 0; i < 200 && !seen->found; ++i) {
        SleepMs(50);
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(seen));
    }
}

TEST(WinLanguage, LangMessageBoxShowsTheKeyOfStrings) {
    CLanguageManager& mgr = GetLanguageManager();
    ASSERT_TRUE(mgr.LoadLanguage(ShippedLanguageFolder() + "\\vmeng.lng"));
    EXPECT_EQ(LangMessageBox(nullptr, "9999", MB_OK), -1);  // missing: nothing shown

    BoxSeen seen;
    Thread answerer;
    ASSERT_TRUE(answerer.Start([&seen] { AnswerBox(&seen); }));
    int answer = LangMessageBox(nullptr, "0006", MB_YESNO);
    answerer.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(seen.title, "Velum");
    EXPECT_EQ(seen.text.substr(0, 51), "Velum just can run in 16 bit or higher color mode.\n");
}

}  // namespace
