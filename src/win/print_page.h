#pragma once
// Printing one page: the print dialog, then a document of one page that a
// painter fills. The time sheet and the year's account print through it.
#include <windows.h>

#include <functional>

namespace horalo::win {

// What the print queue lists every page of the program as.
constexpr const char* kPrintDocumentName = "Pellwick Horalo";

// Paints the page onto the printer; `paper` is the whole sheet of paper in
// the printer's device units.
using PagePainter = std::function<void(HDC printer, const RECT& paper)>;

// Asks for the printer and prints the page; nothing happens unless the user
// chooses OK.
void PrintOnePage(HWND owner, const PagePainter& paint);

// The page as one document onto a printer's device context.
void PrintPage(HDC printer, const PagePainter& paint);

// The device's origin lies at the printable area's corner, the physical
// offsets inside the paper's; so a page laid out on the whole paper lands
// at its own size, the same on every printer.
RECT PrintTargetRect(int offsetX, int offsetY, int physicalWidth, int physicalHeight);

}  // namespace horalo::win
