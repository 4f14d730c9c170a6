#pragma once
// The time-sheet form: an enhanced metafile played record by record, with
// every placeholder replaced by the value it names from the shown month.
// The same playing serves the screen and the printer.
#include <windows.h>

#include <string>
#include <vector>

#include "core/sheet/time_sheet.h"

namespace horalo {

class FormTemplate {
public:
    FormTemplate() = default;
    ~FormTemplate();
    FormTemplate(const FormTemplate&) = delete;
    FormTemplate& operator=(const FormTemplate&) = delete;

    // Opens the form once; true when the metafile opened and the player can
    // step through all its records, with or without a palette. A second call
    // replaces the form; a failed one leaves none.
    bool Load(const std::string& path);
    bool Loaded() const { return metafile_ != nullptr; }

    // Plays the form stretched to `target` (its top moved down by
    // `topOffset`). Without a form it draws nothing and returns 0.
    int Play(HDC dc, RECT target, int topOffset = 0);

    // The form's size in 0.01 mm, for the aspect ratio; empty without a form.
    RECTL FrameRect() const;

    TimeSheet& sheet() { return sheet_; }
    const TimeSheet& sheet() const { return sheet_; }

private:
    static int CALLBACK PlayRecord(HDC dc, HANDLETABLE* handles, const ENHMETARECORD* record, int handleCount,
                                   LPARAM self);
    void Release();

    HENHMETAFILE metafile_ = nullptr;
    std::vector<BYTE> header_;
    std::vector<PALETTEENTRY> paletteEntries_;
    HPALETTE palette_ = nullptr;
    TimeSheet sheet_;
};

}  // namespace horalo
