#include "print/print_document.h"

namespace tolka::print {

int SheetFormat::Width() const {
  const int shorter = Paper == PaperSize::A4 ? 2100 : 2970;
  const int longer = Paper == PaperSize::A4 ? 2970 : 4200;
  return Turn == Orientation::Portrait ? shorter : longer;
}

int SheetFormat::Height() const {
  const int shorter = Paper == PaperSize::A4 ? 2100 : 2970;
  const int longer = Paper == PaperSize::A4 ? 2970 : 4200;
  return Turn == Orientation::Portrait ? longer : shorter;
}

}  // namespace tolka::print
