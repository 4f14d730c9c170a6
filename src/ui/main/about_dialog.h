#pragma once
// The about box: a picture from the language library as background, with
// the library's version numbers written over it.
#include <windows.h>

#include <string>

#include "win/dialog.h"

namespace horalo {

class VersionReader;

class AboutDialog : public win::Dialog {
public:
    AboutDialog();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(win::DataExchange& dx) override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintPicture();

    std::string versionLine_;
};

// The version line (string 61466) with file and product version as eight
// 16-bit numbers, most significant first.
std::string FormatVersionLine(const VersionReader& reader);

// Modal, without a parent window; resources from the language library.
void RunAboutDialog();

}  // namespace horalo
