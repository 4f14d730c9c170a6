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

// Where the form goes on the page, in the printer's device units: from the
// physical offsets to the physical size less twice the offsets.
RECT PrintTargetRect(int offsetX, int offsetY, int physicalWidth, int physicalHeight);

}  // namespace horalo
