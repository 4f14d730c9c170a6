#pragma once
// The user's special days by name: look at one, store it (new, or over the
// entry of the same name) and delete it. Every change goes into the
// program's list at once and closing undoes none of them. When there was a
// change, closing also writes horalo.spc, so that a crash or a killed
// process later loses no edit; the program's end writes it as before.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/calendar_days/calendar_entry.h"
#include "ui/app_services.h"
#include "win/dialog.h"

namespace horalo {

class SpecialEntriesEditor : public win::Dialog {
public:
    explicit SpecialEntriesEditor(AppServices& app);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void NameSelected();
    void Store();
    void Delete();
    void Close(INT_PTR result);

    void FillChoices();
    void Show(const SpecialEntry& entry);
    // Without a name, or with a number the user has been told about: none.
    std::optional<SpecialEntry> ReadForm();
    bool ReadNumber(int id, std::int16_t& value);
    std::string ReadText(int id) const;
    void EnableWeekdayRule(bool enable);

    SpecialEntryList& Entries() { return app_.specialDays().entries(); }

    AppServices& app_;
    int selected_ = -1;     // the name last selected in the name box; -1 none yet
    bool changed_ = false;  // a store or a delete took effect
};

}  // namespace horalo
