// The help file "vm.chm" beside the program, shown through the HTML Help control.
#pragma once
#include <string>

std::string GetHelpFilePath();
// Opens the help file at its contents, or at a page such as "ConfigWin.htm".
void ShowHelp(const char* topic = nullptr);
