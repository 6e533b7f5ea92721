// The configuration window on its dialog template, with a host that counts the edits.
#pragma once

#include "res/ConfigIds.h"
#include "framework/Dialog.h"
#include "ui/ConfigWindow.h"

struct FakeConfigHost : IConfigWindowHost {
    COptionData options;
    int modified = 0;
    COptionData& Options() override { return options; }
    void SetModified() override { ++modified; }
};

class ConfigDialog : public CDialog {
public:
    ConfigDialog(FakeConfigHost& host, CLanguageManager& language) : CDialog(IDD_VL_DIALOG), config(host, language) {
        ChainMessageMap(&config);
    }
    CConfigWindow config;
    bool created = false;

protected:
    BOOL OnInitDialog() override {
        created = config.Attach(m_hWnd);
        config.ApplyLanguage();
        config.FillControls();
        return TRUE;
    }
    void OnDestroy() override { config.Destroy(); }
};
