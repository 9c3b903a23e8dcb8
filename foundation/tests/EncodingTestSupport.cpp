#include "foundation/tests/EncodingTestSupport.h"

#include "foundation/encoding/ConversionCodePage.h"

ScopedConversionCodePage::ScopedConversionCodePage(UINT codePage) : mPrevious(getConversionCodePage()) {
    setConversionCodePage(codePage);
}

ScopedConversionCodePage::~ScopedConversionCodePage() {
    setConversionCodePage(mPrevious);
}
