#include <windows.h>

#include "lang/TextCodePage.h"

namespace {

class CWinTextCodePages : public ITextCodePages {
public:
    unsigned AnsiCodePage() const override { return GetACP(); }
    // A code page the system lacks has no lead bytes here: its texts could not be shown anyway.
    bool IsLeadByte(unsigned codePage, unsigned char c) const override {
        return IsDBCSLeadByteEx(codePage, c) != FALSE;
    }
};

}  // namespace

const ITextCodePages& SystemTextCodePages() {
    static const CWinTextCodePages codePages;
    return codePages;
}
