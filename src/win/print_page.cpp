#include "win/print_page.h"

#include <commdlg.h>

namespace horalo::win {

RECT PrintTargetRect(int offsetX, int offsetY, int physicalWidth, int physicalHeight) {
    return RECT{-offsetX, -offsetY, physicalWidth - offsetX, physicalHeight - offsetY};
}

void PrintPage(HDC printer, const PagePainter& paint) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kPrintDocumentName;
    const RECT paper = PrintTargetRect(GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY),
                                       GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT));
    StartDocA(printer, &document);
    StartPage(printer);
    paint(printer, paper);
    EndPage(printer);
    EndDoc(printer);
}

void PrintOnePage(HWND owner, const PagePainter& paint) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION |
                   PD_RETURNDC;
    const BOOL chosen = PrintDlgA(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!chosen) {
        if (dialog.hDC) DeleteDC(dialog.hDC);
        return;
    }
    if (!dialog.hDC) return;
    PrintPage(dialog.hDC, paint);
    DeleteDC(dialog.hDC);
}

}  // namespace horalo::win
