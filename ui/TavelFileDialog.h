// The file is spelled as its class CTavelFileDialog is named.
// The program's open and save dialogs: the system's Explorer-style dialogs, always
// resizable, with the places bar, no hook. The filter is written with "|" between its
// descriptions and patterns.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CTavelFileDialog {
public:
    // bufferChars: room for the chosen names (a multiple selection lists them all).
    CTavelFileDialog(bool open, const char* defaultExt, const char* fileName, DWORD flags, std::string filter,
                     HWND owner, size_t bufferChars = MAX_PATH);
    // True for OK.
    bool DoModal();
    // The chosen paths, in the order the dialog gives them.
    std::vector<std::string> Paths() const { return m_paths; }

private:
    bool m_bOpen;
    std::string m_strDefaultExt;
    std::string m_strFileName;
    DWORD m_nFlags;
    std::string m_strFilter;
    HWND m_hOwner;
    size_t m_nBufferChars;
    std::vector<std::string> m_paths;
};
