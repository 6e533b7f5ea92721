// Opening a link control's address when the shell cannot: the web browser's command
// line from the registry, and the texts of the failure message.
#pragma once
#include <string>

// The browser's "open" command with the address in place of its "%1" placeholder: the
// line is cut where a quoted "%1" (or else a bare %1) begins, and a blank and the
// address are appended. A line without a placeholder is kept whole.
std::string BrowserCommandLine(const std::string& openCommand, const std::string& address);

// "Unable to open hyperlink:\n\n" and the text of a ShellExecute or WinExec error code.
std::string HyperLinkErrorMessage(long code);
