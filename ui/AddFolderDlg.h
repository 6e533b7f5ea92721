// Add Image Folder: the system's folder browser, taken over while it is open to carry a
// check box for the sub-folders and to refuse folders that are no file system folders
// or lie in the user's network shortcuts.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Window.h"
#include "lang/LanguageManager.h"

class CAddFolderDlg : public CSubclassWindow {
public:
    static constexpr int kCheckBoxId = 1000;
    // The browser's title text control, above which the check box goes.
    static constexpr int kTitleId = 14146;

    CAddFolderDlg(std::string caption, std::string checkText);
    // 1 until the user confirms with the check box cleared; also when there is no room for it.
    bool IncludeSubFolders() const { return m_bInclude; }

    // The browser's callback; data is the CAddFolderDlg.
    static int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnInitialized(HWND browser);
    void OnSelectionChanged(HWND browser, LPARAM pidl) const;

    std::string m_strCaption;
    std::string m_strCheckText;
    std::string m_strExcluded;  // lower case
    bool m_bInclude = true;
};

// Shows the browser owned by owner; true with the folder and the flag once one is chosen.
bool BrowseForImageFolder(HWND owner, const CLanguageManager& language, std::string& path, bool& includeSubFolders);
