// A dialog that answers a help request (F1, WM_HELP) with its page of the help file, or
// with the contents when it has no page.
#pragma once
#include <string>

#include "app/Help.h"
#include "framework/Dialog.h"

class CHelpTopicDialog : public CDialog {
public:
    CHelpTopicDialog(UINT templateId, std::string topic) : CDialog(templateId), m_strTopic(std::move(topic)) {
        MapMessage(WM_HELP, [this](WPARAM, LPARAM, LRESULT& result) {
            ShowHelp(m_strTopic.empty() ? nullptr : m_strTopic.c_str());
            result = TRUE;
            return true;
        });
    }
    const std::string& HelpTopic() const { return m_strTopic; }

private:
    std::string m_strTopic;
};
