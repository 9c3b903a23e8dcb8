#include "foundation/encoding/ConversionCodePage.h"

ConversionCodePage& ConversionCodePage::instance() {
    static ConversionCodePage codePage;
    return codePage;
}

void setConversionCodePage(UINT codePage) {
    ConversionCodePage::instance().set(codePage);
}

UINT getConversionCodePage() {
    return ConversionCodePage::instance().get();
}
