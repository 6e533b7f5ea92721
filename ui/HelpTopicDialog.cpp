#include "ui/HelpTopicDialog.h"

#include "ui/Help.h"

CHelpTopicDialog::CHelpTopicDialog(UINT templateId, const char* helpTopic, HINSTANCE instance)
    : CDialog(templateId, instance), m_strHelpTopic(helpTopic ? helpTopic : "") {
    MapMessage(WM_HELP, [this](WPARAM, LPARAM, LRESULT& result) {
        OnHelp();
        result = TRUE;
        return true;
    });
}

void CHelpTopicDialog::OnHelp() {
    ShowHelp(m_strHelpTopic.c_str());
}
