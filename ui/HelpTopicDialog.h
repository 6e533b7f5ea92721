// A dialog with a page in the help file: F1 (WM_HELP) shows that page, or the help's
// contents when the page is empty. Windows derive from it with their page from ui/Help.h;
// property sheets (the preferences, the wizard) answer WM_HELP with ShowHelp() themselves.
#pragma once
#include <string>

#include "framework/Dialog.h"

class CHelpTopicDialog : public CDialog {
public:
    CHelpTopicDialog(UINT templateId, const char* helpTopic, HINSTANCE instance = nullptr);

    const std::string& HelpTopic() const { return m_strHelpTopic; }

protected:
    virtual void OnHelp();

private:
    std::string m_strHelpTopic;
};
