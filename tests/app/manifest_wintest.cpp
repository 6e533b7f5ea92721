#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/ProgramPath.h"

namespace {

// The manifest resource of the built velum.exe, loaded as data only.
std::string ProgramManifest() {
    const std::string exe = ProgramFolder() + "\\..\\program\\velum.exe";
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return std::string();
    std::string text;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes) text.assign(bytes, SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

// Between the start of <open> and the following </close>, or empty.
std::string Element(const std::string& text, const std::string& open, const std::string& close) {
    size_t start = text.find(open);
    if (start == std::string::npos) return std::string();
    size_t end = text.find(close, start);
    return end == std::string::npos ? std::string() : text.substr(start, end - start);
}

TEST(ProgramManifest, DeclaresAwarenessOfTheScreensScaling) {
    const std::string manifest = ProgramManifest();
    ASSERT_FALSE(manifest.empty()) << "velum.exe has no manifest";
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    // Windows reads the setting only in these two namespaces; XP skips the asm.v3 element.
    const std::string application =
        Element(manifest, "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">", "</application>");
    ASSERT_FALSE(application.empty()) << manifest;
    const std::string settings = Element(application, "<windowsSettings>", "</windowsSettings>");
    EXPECT_NE(
        settings.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"),
        std::string::npos)
        << application;
}

}  // namespace
