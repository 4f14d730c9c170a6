#pragma once
// The bar at the top of the preview with the month's inputs. Its commands
// and notifications belong to the frame, so they are passed up to it.
#include "win/dialog.h"

namespace horalo {

class PreviewBar : public win::Dialog {
public:
    PreviewBar();

protected:
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enter in a child dialog would otherwise end it.
    void OnOK() override {}
    // Escape closes the preview, as it closes other views of a document.
    void OnCancel() override;
};

}  // namespace horalo
