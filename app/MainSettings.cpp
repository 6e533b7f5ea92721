// The main window's settings: what the preferences and the wizard changed, a settings file
// that was busy at the start, saves that failed, and the values the controls hold.
#include "app/VLDlg.h"

#include "lang/LangKeys.h"
#include "lang/LangMessageBox_win.h"
#include "settings/SettingsSystem_win.h"
#include "ui/HotKeys.h"

void CVLDlg::OptionsChangedBySetup(bool thumbnailSizeChanged, bool sizeChosen) {
    if (thumbnailSizeChanged) m_thumbs.OnThumbnailSizeChanged();
    // Edits still pending in the window stay, but not over a size the wizard confirmed;
    // the window shows the new values otherwise.
    if (m_store.IsModified()) {
        m_config.ApplyLanguage();
        if (sizeChosen) m_config.FillSizeMode();
    } else {
        FillControls();
    }
    if (!m_pSlideshow) return;
    m_pSlideshow->OptionsChanged();
    HandDisplaySettings();
}

bool CVLDlg::TakePendingSettings() {
    bool changed = false;
    const SettingsLoad result = m_store.TakePendingFile(changed);
    if (result == SettingsLoad::Busy) return false;
    KillTimer(m_hWnd, kPendingSettingsTimer);
    if (result != SettingsLoad::Loaded) return false;
    ApplyAutoStart(m_options);
    LoadLanguageStep();
    UnregisterHotKeys(m_hWnd);
    RegisterHotKeys(m_hWnd, m_options);
    ResetDisplayList();
    if (m_pSlideshow) m_pSlideshow->RestoreNextIndex();
    OptionsChangedBySetup(true, true);
    return changed;
}

bool CVLDlg::SaveTold(SettingsSave result, bool exiting) {
    if (result == SettingsSave::Saved) return true;
    const UINT flags = (exiting ? MB_YESNO : MB_OK) | MB_ICONWARNING;
    // The message is a text in the code page; the path is a name.
    return ::LangMessageBox(m_hWnd, exiting ? strkey::kEndUnsaved : strkey::kNotSaved, flags, m_store.Path()) != IDNO;
}

bool CVLDlg::TakeValuesFromControls() {
    if (!m_config.TakeValues()) return false;
    m_thumbs.TakeMode(m_options);
    // The slideshow plays the list as confirmed, also when only its order changed.
    if (m_list.TakeRows(m_options.m_images)) ResetDisplayList();
    return true;
}
