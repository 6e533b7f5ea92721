// The About box: program name and version, the home page and the feedback address as links.
#pragma once
#include <string>

#include "framework/Controls.h"
#include "lang/MenuText.h"
#include "online/Addresses.h"
#include "ui/HelpTopicDialog.h"
#include "widgets/HyperLink.h"

class CAboutDlg : public CHelpTopicDialog {
public:
    explicit CAboutDlg(MenuTextLookup lookup);

protected:
    BOOL OnInitDialog() override;

private:
    MenuTextLookup m_lookup;
    CWindowTexts m_texts;
    CHyperLink m_homePage;
    CHyperLink m_feedback;
};
