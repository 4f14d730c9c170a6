#pragma once
// Printing the time sheet the preview shows, as one page.
#include <windows.h>

#include "print/form_template.h"

namespace horalo {

constexpr const char* kPrintDocumentName = "Pellwick Horalo";

// Asks for the printer and prints the form's sheet as it stands; nothing
// happens unless the user chooses OK.
void PrintSheet(HWND owner, FormTemplate& form);

// Plays the sheet as one page of one document onto a printer's device
// context.
void PrintPage(HDC printer, FormTemplate& form);

// Where the form goes, in the printer's device units: the whole sheet of
// paper. The device's origin lies at the printable area's corner, the
// physical offsets inside the paper's; so the form, with margins of its own,
// lands on the paper at its own size, the same on every printer.
RECT PrintTargetRect(int offsetX, int offsetY, int physicalWidth, int physicalHeight);

}  // namespace horalo
