// The built-in form pages of print modes 3 and 4 (blank paper): the fixed
// texts, lines and frames of the Abitur certificate's four pages and the
// FHR certificate's two pages, in the coordinates of the logical page.
#pragma once

#include "print/certificate.h"

namespace tolka::print {

// Frame height 2970 - 2 x the page's top margin, limited to 2600..2750.
int FormFrameHeight(int32_t top_margin);

void DrawAbiturForm(PagePrinter& printer, const CertificateData& data, int page,
                    const PageMargins& margins);
void DrawFhrForm(PagePrinter& printer, const CertificateData& data, int page,
                 const PageMargins& margins);

}  // namespace tolka::print
