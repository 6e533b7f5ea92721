// The quick setup wizard: welcome, language, hotkeys and the display size proposed from
// a measurement of the processor. Choosing a language on its page shows every page and
// the caption in that language at once.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "lang/LanguageManager.h"
#include "ui/OptionSheet.h"
#include "ui/RegionPostionWnd.h"
#include "widgets/Picture.h"
#include "ui/core/RegionPicker.h"

class CQuickSetupWizard;

// What every page of the wizard does: the caption and buttons when it becomes active,
// the question on Cancel, and its texts in the current language.
class CQSPage : public CContentsHelpPage {
public:
    CQSPage(UINT templateId, CQuickSetupWizard& wizard);
    // Nothing before the page's window exists.
    virtual void ApplyTexts() = 0;

protected:
    // The picture on the left, then the page's own set-up.
    BOOL OnInitDialog() final;
    virtual void OnInitPage() = 0;
    bool OnSetActive() override;
    bool OnQueryCancel() override;
    virtual DWORD WizardButtons() const = 0;
    TextLookup Lookup() const;

    CQuickSetupWizard& m_wizard;
    CWindowTexts m_texts;

private:
    CPicture m_picture;
};

class CQSWelcomePage : public CQSPage {
public:
    explicit CQSWelcomePage(CQuickSetupWizard& wizard);
    void ApplyTexts() override;

protected:
    void OnInitPage() override;
    bool OnSetActive() override;
    bool OnKillActive() override;
    DWORD WizardButtons() const override { return PSWIZB_NEXT; }
};

class CQSLanguageSetupPage : public CQSPage {
public:
    explicit CQSLanguageSetupPage(CQuickSetupWizard& wizard);
    void ApplyTexts() override;
    // True once a language was chosen in the list (and loaded).
    bool LanguageChosen() const { return m_bChosen; }

    int m_nSelected = -1;  // catalogue index; below 0: the first English one

protected:
    void OnInitPage() override;
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }

private:
    void OnLanguageChosen();
    bool m_bChosen = false;
};

class CQSHotkeySetupPage : public CQSPage {
public:
    explicit CQSHotkeySetupPage(CQuickSetupWizard& wizard);
    void ApplyTexts() override;

    HotKeySlots m_hotkeys;

protected:
    void OnInitPage() override;
    bool OnKillActive() override;
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
};

class CQSSpeedTestPage : public CQSPage {
public:
    // The processor's clock in MHz; 0 when it cannot be measured.
    using SpeedMeasure = std::function<uint32_t()>;

    explicit CQSSpeedTestPage(CQuickSetupWizard& wizard);
    void ApplyTexts() override;

    CDisplayRegion m_region;
    ScreenRect m_screen;
    SpeedMeasure m_measure;
    uint32_t m_nMeasuredMhz = 0;

protected:
    void OnInitPage() override;
    bool OnKillActive() override;
    bool OnWizardFinish() override;
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_FINISH; }

private:
    void FillSizeList();
    void FillControls();
    void TakeValues();
    void OnSizeChanged();

    CRegionPostionWnd m_picker;
    SizeList m_sizes;
};

class CQuickSetupWizard : public CPropertySheet {
public:
    explicit CQuickSetupWizard(CLanguageManager& language);

    CLanguageManager& Language() const { return m_language; }
    TextLookup Lookup() const;
    // "%s Quick Setup Wizard" of the current language, with the program name.
    std::string CaptionText() const;
    // The caption and the texts of every page that exists, in the current language.
    void ApplyLanguage();
    // The question on Cancel; true when the user wants to leave.
    bool ConfirmCancel() const;

    CQSWelcomePage m_welcome;
    CQSLanguageSetupPage m_languagePage;
    CQSHotkeySetupPage m_hotkeyPage;
    CQSSpeedTestPage m_sizePage;

protected:
    void OnInitSheet() override;

private:
    CLanguageManager& m_language;
};

// Where the wizard was started from, which decides what Cancel keeps.
enum class QuickSetupStart {
    FirstStart,  // the options hold the defaults; a language chosen on the page stays
    Command,     // a configured program: the language goes back to the one before
};

// Runs the wizard on options: the language of m_strLanguageFile first, the hotkeys of
// slots 0 to 4. Finish stores the hotkeys, the current language's path and the region
// with its size mode, and gives true. owner may be null.
bool RunQuickSetup(HWND owner, COptionData& options, CLanguageManager& language, QuickSetupStart start);

// The two halves of RunQuickSetup around the wizard's run, for callers that run it themselves.
class CQuickSetupRun {
public:
    CQuickSetupRun(COptionData& options, CLanguageManager& language, QuickSetupStart start);
    // Loads the options' language and fills the pages.
    void Prepare(CQuickSetupWizard& wizard);
    // Stores what Finish stores, or, when not finished, puts the language as Cancel leaves it.
    void Store(const CQuickSetupWizard& wizard, bool finished);

private:
    COptionData& m_options;
    CLanguageManager& m_language;
    QuickSetupStart m_start;
    std::string m_strLanguageBefore;
    bool m_bHadLanguage = false;
};
