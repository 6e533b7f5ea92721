#include "app/AboutDlg.h"

#include "res/TrayIds.h"
#include "ui/Help.h"
#include "ui/core/AboutTexts.h"
#include "settings/OptionData.h"
#include "settings/Version.h"

CAboutDlg::CAboutDlg(MenuTextLookup lookup)
    : CHelpTopicDialog(IDD_ABOUTBOX, kHelpAboutBox), m_lookup(std::move(lookup)) {}

BOOL CAboutDlg::OnInitDialog() {
    char name[64] = {};
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_PRODUCT_NAME, name, sizeof name) <= 0) {
        lstrcpynA(name, kProductName, sizeof name);
    }
    std::string format;
    if (m_lookup && m_lookup(kAboutCaptionText.section, kAboutCaptionText.key, format)) {
        SetWindowTextA(m_hWnd, FillProgramName(format, name).c_str());
    }
    // A missing key leaves the template's English text.
    m_texts.Apply(m_hWnd, kAboutBoxTexts, m_lookup);
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_PRODUCT, name);
    const std::string version =
        FillProgramName(TextOrEnglish(m_lookup, kAboutVersionText), VersionToText(kVelumVersion));
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, version.c_str());

    std::string mail = kFeedbackAddress;
    m_homePage.Attach(m_hWnd, IDC_HOME_PAGE_LINK, kHomePageAddress);
    m_feedback.Attach(m_hWnd, IDC_FEEDBACK_LINK, mail, mail.substr(mail.find(':') + 1));
    return TRUE;
}
