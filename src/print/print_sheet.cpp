#include "print/print_sheet.h"

#include "win/print_page.h"

namespace horalo {

void PrintSheet(HWND owner, FormTemplate& form) {
    win::PrintOnePage(owner, [&form](HDC printer, const RECT& paper) { form.Play(printer, paper, 0); });
}

}  // namespace horalo
