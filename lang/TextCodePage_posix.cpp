#include "lang/TextCodePage.h"

namespace {

class CPosixTextCodePages : public ITextCodePages {
public:
    unsigned AnsiCodePage() const override { return 1252; }
    bool IsLeadByte(unsigned, unsigned char) const override { return false; }
};

}  // namespace

const ITextCodePages& SystemTextCodePages() {
    static const CPosixTextCodePages codePages;
    return codePages;
}
