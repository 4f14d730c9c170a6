#pragma once
// Printing the time sheet the preview shows, as one page.
#include <windows.h>

#include "print/form_template.h"

namespace horalo {

// Asks for the printer and prints the form's sheet as it stands; nothing
// happens unless the user chooses OK. The form has margins of its own and
// fills the whole paper.
void PrintSheet(HWND owner, FormTemplate& form);

}  // namespace horalo
