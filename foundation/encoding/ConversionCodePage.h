// The one process-wide code page of narrow/wide conversions that name none, of ANSI
// text files and of "Binary" files.
#pragma once

#include <windows.h>

class ConversionCodePage {
public:
    static ConversionCodePage& instance();
    UINT get() const { return mCodePage; }
    void set(UINT codePage) { mCodePage = codePage; }

private:
    ConversionCodePage() = default;
    UINT mCodePage = CP_ACP;
};

void setConversionCodePage(UINT codePage);
UINT getConversionCodePage();
