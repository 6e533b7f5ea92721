// The help file "vm.chm" beside the program, shown through the HTML Help control.
#pragma once
#include <string>

// Pages of the help file that windows show on F1 (see ui/HelpTopicDialog.h).
constexpr char kHelpConfigWindow[] = "ConfigWin.htm";
constexpr char kHelpImageSizeCustomDialog[] = "image_size_custom_dialog.htm";
constexpr char kHelpAboutBox[] = "about.htm";

// The text shown when the current language lacks its message of the missing help file.
constexpr char kHelpFileMissingText[] =
    "The help file vm.chm is missing from Velum's program folder. Please install Velum again.";

std::string GetHelpFilePath();
// Opens the help file at its contents (no topic, or "") or at a page such as
// kHelpConfigWindow; without the file a message says so.
void ShowHelp(const char* topic = nullptr);

// Tests see the page a help request asks for ("" for the contents) instead of the help file.
// nullptr restores the help file. Returns the handler it replaces.
using HelpRequestHandler = void (*)(const std::string& topic);
HelpRequestHandler SetHelpRequestHandler(HelpRequestHandler handler);
