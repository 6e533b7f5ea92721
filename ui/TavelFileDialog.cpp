#include "ui/TavelFileDialog.h"

#include <commdlg.h>

#include "base/CodePage.h"
#include "base/SystemFolder_win.h"
#include "base/Trace.h"
#include "base/Unicode.h"
#include "base/WideName_win.h"
#include "ui/core/FileChoice.h"

CTavelFileDialog::CTavelFileDialog(bool open, const char* defaultExt, const char* fileName, DWORD flags,
                                   std::string filter, HWND owner, size_t bufferChars)
    : m_bOpen(open),
      m_strDefaultExt(defaultExt ? defaultExt : ""),
      m_strFileName(fileName ? fileName : ""),
      m_nFlags(flags),
      m_strFilter(std::move(filter)),
      m_hOwner(owner),
      m_nBufferChars(bufferChars < MAX_PATH ? MAX_PATH : bufferChars) {}

bool CTavelFileDialog::DoModal() {
    m_paths.clear();
    // Names in UTF-16: the code page would lose some of them. The filter is a text in the code page.
    std::wstring buffer(m_nBufferChars + 2, L'\0');
    const std::wstring fileName = WideName(m_strFileName);
    if (fileName.size() < m_nBufferChars) buffer.replace(0, fileName.size(), fileName);
    const std::wstring filter = WideName(AnsiToName(DialogFilter(m_strFilter, AnsiLeadByte)));
    const std::wstring defaultExt = WideName(m_strDefaultExt);
    // The full structure (with the places bar's fields), which Windows 2000 and later take.
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hOwner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = &buffer[0];
    ofn.nMaxFile = static_cast<DWORD>(m_nBufferChars);
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.Flags = m_nFlags | OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    const CKeepCurrentFolder keep;
    const BOOL ok = m_bOpen ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!ok) {
        // Cancel, or more names than the buffer holds: either way nothing is taken.
        if (CommDlgExtendedError() != 0) VL_TRACE();
        return false;
    }
    m_paths = ChosenPaths(NameFromWide(buffer.data(), buffer.size()));
    return !m_paths.empty();
}
