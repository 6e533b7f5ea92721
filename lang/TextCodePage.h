// The code pages that language texts are kept in: the system's ANSI code page and the
// lead bytes of double-byte code pages, so that a trail byte is never read as a character.
#pragma once

class ITextCodePages {
public:
    virtual ~ITextCodePages() = default;
    // The system's ANSI code page.
    virtual unsigned AnsiCodePage() const = 0;
    // Whether c starts a double-byte character of codePage (0: the ANSI code page).
    virtual bool IsLeadByte(unsigned codePage, unsigned char c) const = 0;
};

// This platform's: GetACP and IsDBCSLeadByteEx on Windows; natively a single-byte 1252.
const ITextCodePages& SystemTextCodePages();
