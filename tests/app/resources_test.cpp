// Every language library HoraloRDLL.dll answers every resource number the
// program asks for: templates with their controls, icons, the preview
// frame's resources, pictures, version block and texts. Each language is
// checked on its own, then each against the English one: a translation
// must keep the numbers, the arguments of its formats and the lengths of
// its lists, and its longer texts must still fit their controls.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

struct Language {
  const char* code;
  const char* file;  // beside the test program
  const char* months[2];    // January, December
  const char* weekdays[2];  // Sunday, Saturday
};
const Language kEnglish{"en", "HoraloRDLL.dll", {"January", "December"}, {"Sunday", "Saturday"}};
const Language kGerman{"de", "languages\\de\\HoraloRDLL.dll", {"Januar", "Dezember"}, {"Sonntag", "Samstag"}};

void PrintTo(const Language& language, std::ostream* out) { *out << language.code; }

HMODULE LoadLanguage(const Language& language) {
  static std::map<std::string, HMODULE> loaded;
  auto [at, added] = loaded.try_emplace(language.code);
  if (added) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    at->second = LoadLibraryA((folder + language.file).c_str());
  }
  return at->second;
}

std::string TextOf(HMODULE library, UINT id) {
  char buffer[4096];
  int length = LoadStringA(library, id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> entries(1);
  for (char c : text) {
    if (c == '\n') entries.emplace_back();
    else entries.back() += c;
  }
  return entries;
}

// The conversions of a printf format, one letter each: "d" for %d and %i,
// "u", "s"; flags, width and precision are skipped.
std::string Conversions(const std::string& format) {
  std::string result;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (++i < format.size() && format[i] == '%') continue;
    while (i < format.size() && std::strchr("-+ #0123456789.lh", format[i])) ++i;
    if (i < format.size()) result += format[i] == 'i' ? 'd' : format[i];
  }
  return result;
}

// True when the pieces occur in text in this order, without overlapping.
bool InOrder(const std::string& text, const std::vector<std::string>& pieces) {
  size_t at = 0;
  for (const auto& piece : pieces) {
    at = text.find(piece, at);
    if (at == std::string::npos) return false;
    at += piece.size();
  }
  return true;
}

// ---------------------------------------------------------------------------
// Dialog templates, made into hidden windows.

enum class Kind { Push, Radio, Check, Edit, Static, ClickStatic, Picker, Report, ComboEdit, DropList, ListBox };

struct TemplateControls {
  int templateId;
  std::vector<std::pair<int, Kind>> controls;
};

std::vector<TemplateControls> AllTemplates() {
  using K = Kind;
  std::vector<std::pair<int, Kind>> calendar = {
      {IDC_CAL_MONTH, K::Static},      {IDC_CAL_YEAR, K::Static},          {IDC_CAL_ENTRIES, K::ListBox},
      {IDC_CAL_ON_TOP, K::Check},      {IDC_CAL_PREV_YEAR, K::Push},       {IDC_CAL_NEXT_YEAR, K::Push},
      {IDC_CAL_PREV_MONTH, K::Push},   {IDC_CAL_NEXT_MONTH, K::Push},      {IDCANCEL, K::Push}};
  for (int id = IDC_CAL_FIRST_CELL; id <= IDC_CAL_LAST_CELL; ++id) calendar.push_back({id, K::ClickStatic});
  for (int id = IDC_CAL_FIRST_WEEK; id <= IDC_CAL_LAST_WEEK; ++id) calendar.push_back({id, K::Static});
  return {
      {IDD_ABOUT, {{IDC_VERSION_LINE, K::Static}, {IDOK, K::Push}}},
      {IDD_MAIN,
       {{IDC_START_WORK, K::Push}, {IDC_END_WORK, K::Push}, {IDC_BEGIN_BREAK, K::Push},
        {IDC_END_BREAK, K::Push}, {IDC_NOTE_EDIT, K::Edit}, {IDC_ADD_NOTE, K::Push}, {IDC_HIDE, K::Push},
        {IDC_LOG_BROWSER, K::Push}, {IDC_PREVIEW, K::Push}, {IDC_DELETE_RANGE, K::Push},
        {IDC_OPTIONS, K::Push}, {IDC_SPECIAL_EDITOR, K::Push}, {IDC_CALENDAR, K::Push},
        {IDC_MONTHLY_LIST, K::Push}, {IDC_HELP_INDEX, K::Push}, {IDC_HELP_MAIN, K::Push},
        {IDC_LINK, K::ClickStatic}}},
      {IDD_DELETE_RANGE,
       {{IDC_DELETE_ALL, K::Radio}, {IDC_DELETE_TO_MONTH_END, K::Radio}, {IDC_DELETE_DAYS, K::Radio},
        {IDC_RANGE_FIRST_DAY, K::Picker}, {IDC_RANGE_LAST_DAY, K::Picker}, {IDOK, K::Push},
        {IDCANCEL, K::Push}}},
      {IDD_ENTRY_EDIT,
       {{IDC_TYPE_WORK_END, K::Radio}, {IDC_TYPE_WORK_START, K::Radio}, {IDC_TYPE_BREAK, K::Radio},
        {IDC_TYPE_NOTE, K::Radio}, {IDC_TYPE_ABSENCE, K::Radio}, {IDC_TYPE_COMPENSATION, K::Radio},
        {IDC_ENTRY_TIME, K::Picker}, {IDC_ENTRY_DATE, K::Picker}, {IDC_ENTRY_DURATION, K::Picker},
        {IDC_ENTRY_NOTE, K::Edit}, {IDC_ENTRY_FROM_DATE, K::Picker}, {IDC_ENTRY_TO_DATE, K::Picker},
        {IDOK, K::Push}, {IDCANCEL, K::Push}}},
      {IDD_OPTIONS,
       {{IDC_FORM_TEXT1, K::Edit}, {IDC_FORM_TEXT2, K::Edit}, {IDC_NUMBER1, K::Edit}, {IDC_NUMBER2, K::Edit},
        {IDC_WORK_TIME, K::Picker}, {IDC_BREAK_TIME, K::Picker}, {IDC_MAX_TIME, K::Picker},
        {IDC_START_HIDDEN, K::Check}, {IDC_AUTOSTART, K::Check}, {IDC_WAY_MINUTES, K::Edit},
        {IDC_POWER_EVENTS, K::Check}, {IDC_REMIND_REQUIRED, K::Check}, {IDC_REMIND_MAXIMUM, K::Check},
        {IDC_MINUTES_BEFORE_MAX, K::Edit}, {IDC_REMIND_AT_MAXIMUM, K::Check}, {IDC_REMIND_BREAKS, K::Check},
        {IDC_FIRST_PRESENCE, K::Picker}, {IDC_FIRST_BREAK, K::Edit}, {IDC_SECOND_PRESENCE, K::Picker},
        {IDC_SECOND_BREAK, K::Edit}, {IDC_AWAY_AS_BREAK, K::Check}, {IDC_AWAY_MINIMUM, K::Edit},
        {IDOK, K::Push}, {IDCANCEL, K::Push}}},
      {IDD_PREVIEW_BAR,
       {{IDC_CARRIED_HOURS, K::Edit}, {IDC_CARRIED_MINUTES, K::Edit}, {IDC_HOURS_DEDUCTED, K::Edit},
        {IDM_STORE_MONTH, K::Push}, {IDM_PRINT, K::Push}}},
      {IDD_MONTHLY_LIST,
       {{IDC_MONTH_LIST, K::Report}, {IDC_MONTH_NEW, K::Push}, {IDC_MONTH_CHANGE, K::Push},
        {IDC_MONTH_REMOVE, K::Push}, {IDOK, K::Push}}},
      {IDD_MONTH_VALUES,
       {{IDC_VALUES_MONTH, K::Picker}, {IDC_HOURS_DEDUCTED, K::Edit}, {IDC_CARRIED_HOURS, K::Edit},
        {IDC_CARRIED_MINUTES, K::Edit}, {IDOK, K::Push}, {IDCANCEL, K::Push}}},
      {IDD_SPECIAL_EDITOR,
       {{IDC_SPECIAL_NAME, K::ComboEdit}, {IDC_SPECIAL_TEXT, K::Edit}, {IDC_SPECIAL_MONTH, K::DropList},
        {IDC_SPECIAL_WEEKDAY, K::DropList}, {IDC_SPECIAL_EASTER, K::Check},
        {IDC_SPECIAL_WEEKDAY_RULE, K::Check}, {IDC_SPECIAL_HOLIDAY, K::Check}, {IDC_SPECIAL_EXTRA, K::Check},
        {IDC_SPECIAL_DAY, K::Edit}, {IDC_SPECIAL_OFFSET, K::Edit}, {IDC_SPECIAL_ORDINAL, K::Edit},
        {IDC_SPECIAL_STORE, K::Push}, {IDC_SPECIAL_DELETE, K::Push}}},
      {IDD_CALENDAR, calendar},
      {IDD_LOG_BROWSER,
       {{IDC_PREV_YEAR, K::Push}, {IDC_PREV_MONTH, K::Push}, {IDC_NEXT_YEAR, K::Push},
        {IDC_NEXT_MONTH, K::Push}, {IDC_BROWSER_LIST, K::Report}, {IDC_BROWSER_DELETE, K::Push},
        {IDC_BROWSER_INSERT, K::Push}, {IDC_BROWSER_EDIT, K::Push}, {IDC_BROWSER_PREVIEW, K::Push},
        {IDOK, K::Push}}},
      {IDD_OPEN_DAY,
       {{IDC_OPEN_DAY_TEXT, K::Static}, {IDC_OPEN_DAY_BREAK, K::Static}, {IDC_OPEN_DAY_END, K::Picker},
        {IDOK, K::Push}, {IDCANCEL, K::Push}}},
  };
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A created dialog, destroyed with the object. The owner is a hidden
// window, so that the preview's dialog bar (a child template) can be made.
class TemplateWindow {
 public:
  TemplateWindow(HMODULE library, int templateId) {
    static bool ready = [] {
      INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
      return InitCommonControlsEx(&controls) != FALSE;
    }();
    static HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 900, 700, nullptr, nullptr, nullptr, nullptr);
    if (ready) hwnd_ = CreateDialogParamA(library, MAKEINTRESOURCEA(templateId), owner, QuietDialogProc, 0);
  }
  ~TemplateWindow() { if (hwnd_) DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  for (char* c = name; *c; ++c) *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  return name;
}

bool IsKind(HWND control, Kind kind) {
  std::string cls = ClassOf(control);
  LONG style = GetWindowLongA(control, GWL_STYLE);
  LONG button = style & BS_TYPEMASK;
  switch (kind) {
    case Kind::Push: return cls == "button" && (button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON);
    case Kind::Radio: return cls == "button" && (button == BS_RADIOBUTTON || button == BS_AUTORADIOBUTTON);
    case Kind::Check: return cls == "button" && (button == BS_CHECKBOX || button == BS_AUTOCHECKBOX);
    case Kind::Edit: return cls == "edit";
    case Kind::Static: return cls == "static";
    case Kind::ClickStatic: return cls == "static" && (style & SS_NOTIFY);
    case Kind::Picker: return cls == "sysdatetimepick32";
    case Kind::Report: return cls == "syslistview32" && (style & LVS_TYPEMASK) == LVS_REPORT;
    case Kind::ComboEdit: return cls == "combobox" && (style & 3) == CBS_DROPDOWN;
    case Kind::DropList: return cls == "combobox" && (style & 3) == CBS_DROPDOWNLIST;
    case Kind::ListBox: return cls == "listbox";
  }
  return false;
}

std::vector<HWND> Children(HWND dialog) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

bool IsGroupBox(HWND control) {
  return ClassOf(control) == "button" && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

RECT RectInDialog(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class LanguageLibrary : public ::testing::TestWithParam<Language> {
 protected:
  HMODULE Library() const { return LoadLanguage(GetParam()); }
  std::string Text(UINT id) const { return TextOf(Library(), id); }
};

}  // namespace

TEST_P(LanguageLibrary, LoadsFromTheTestProgramsFolder) { ASSERT_NE(Library(), nullptr); }

TEST_P(LanguageLibrary, EveryTemplateHasItsControlsOfTheRightKind) {
  for (const auto& entry : AllTemplates()) {
    SCOPED_TRACE("template " + std::to_string(entry.templateId));
    ASSERT_NE(FindResourceA(Library(), MAKEINTRESOURCEA(entry.templateId), MAKEINTRESOURCEA(5)), nullptr);
    TemplateWindow dialog(Library(), entry.templateId);
    ASSERT_NE(dialog.get(), nullptr);
    for (const auto& [id, kind] : entry.controls) {
      HWND control = GetDlgItem(dialog.get(), id);
      ASSERT_NE(control, nullptr) << "control " << id;
      EXPECT_TRUE(IsKind(control, kind)) << "control " << id << " is a " << ClassOf(control);
    }
  }
}

// Duplicate identifiers, overlapping controls and clashing mnemonics are
// the usual faults of hand-made templates.
TEST_P(LanguageLibrary, TemplatesAreTidy) {
  for (const auto& entry : AllTemplates()) {
    SCOPED_TRACE("template " + std::to_string(entry.templateId));
    TemplateWindow dialog(Library(), entry.templateId);
    ASSERT_NE(dialog.get(), nullptr);
    RECT client;
    GetClientRect(dialog.get(), &client);
    std::map<int, int> idCount;
    std::map<char, std::string> mnemonics;
    std::vector<std::pair<HWND, RECT>> placed;
    for (HWND control : Children(dialog.get())) {
      int id = GetDlgCtrlID(control);
      if (id != 0xFFFF && id != -1) {
        EXPECT_EQ(++idCount[id], 1) << "identifier " << id << " twice";
      }
      RECT r = RectInDialog(dialog.get(), control);
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
          << "control " << id << " leaves the dialog";
      if (!IsGroupBox(control)) {
        for (const auto& [other, otherRect] : placed) {
          RECT overlap;
          EXPECT_FALSE(IntersectRect(&overlap, &r, &otherRect))
              << "controls " << id << " and " << GetDlgCtrlID(other) << " overlap";
        }
        placed.push_back({control, r});
      }
      char text[256] = "";
      GetWindowTextA(control, text, sizeof text);
      std::string cls = ClassOf(control);
      if (cls != "button" && cls != "static") continue;
      for (const char* amp = std::strchr(text, '&'); amp && amp[1]; amp = std::strchr(amp + 2, '&')) {
        if (amp[1] == '&') continue;
        char key = static_cast<char>(std::tolower(static_cast<unsigned char>(amp[1])));
        EXPECT_EQ(mnemonics.count(key), 0u) << "mnemonic " << key << " in \"" << text << "\" and \""
                                           << mnemonics[key] << "\"";
        mnemonics[key] = text;
      }
    }
  }
}

TEST_P(LanguageLibrary, ControlsStartEnabledOrDisabledAsTheProgramExpects) {
  struct Expectation { int templateId; int control; bool enabled; };
  const Expectation table[] = {
      {IDD_LOG_BROWSER, IDC_BROWSER_DELETE, false}, {IDD_LOG_BROWSER, IDC_BROWSER_INSERT, true},
      {IDD_LOG_BROWSER, IDC_BROWSER_EDIT, false},   {IDD_LOG_BROWSER, IDC_BROWSER_PREVIEW, true},
      {IDD_MONTHLY_LIST, IDC_MONTH_CHANGE, false},  {IDD_MONTHLY_LIST, IDC_MONTH_REMOVE, false},
      {IDD_MONTHLY_LIST, IDC_MONTH_NEW, true},      {IDD_ENTRY_EDIT, IDC_ENTRY_DURATION, false},
      {IDD_ENTRY_EDIT, IDC_ENTRY_NOTE, false},      {IDD_ENTRY_EDIT, IDC_ENTRY_FROM_DATE, false},
      {IDD_ENTRY_EDIT, IDC_ENTRY_TO_DATE, false},   {IDD_ENTRY_EDIT, IDC_ENTRY_DATE, true},
      {IDD_ENTRY_EDIT, IDC_ENTRY_TIME, true},
  };
  for (const auto& e : table) {
    TemplateWindow dialog(Library(), e.templateId);
    ASSERT_NE(dialog.get(), nullptr);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog.get(), e.control)) != FALSE, e.enabled)
        << "template " << e.templateId << " control " << e.control;
  }
}

TEST_P(LanguageLibrary, WindowStylesSuitHowEachTemplateIsUsed) {
  TemplateWindow main(Library(), IDD_MAIN);
  ASSERT_NE(main.get(), nullptr);
  LONG style = GetWindowLongA(main.get(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(IsWindowVisible(main.get())) << "the program decides whether to show it";
  // Enter adds the note; nothing in the main dialog ends it by accident.
  LRESULT def = SendMessageA(main.get(), DM_GETDEFID, 0, 0);
  EXPECT_EQ(HIWORD(def), DC_HASDEFID);
  EXPECT_EQ(LOWORD(def), IDC_ADD_NOTE);
  EXPECT_EQ(GetDlgItem(main.get(), IDOK), nullptr);
  char caption[64] = "";
  GetWindowTextA(main.get(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Horalo");

  TemplateWindow calendar(Library(), IDD_CALENDAR);  // modeless, never shown explicitly
  EXPECT_TRUE(IsWindowVisible(calendar.get()));

  TemplateWindow bar(Library(), IDD_PREVIEW_BAR);
  ASSERT_NE(bar.get(), nullptr);
  EXPECT_TRUE(GetWindowLongA(bar.get(), GWL_STYLE) & WS_CHILD);

  TemplateWindow browser(Library(), IDD_LOG_BROWSER);
  EXPECT_FALSE(GetWindowLongA(GetDlgItem(browser.get(), IDC_BROWSER_LIST), GWL_STYLE) & LVS_SINGLESEL)
      << "several rows can be deleted at once";
}

// ---------------------------------------------------------------------------

TEST_P(LanguageLibrary, EachIconHas16And32And48PixelImages) {
  for (int id : {IDI_MAIN, IDI_TRAY, IDI_TRAY_BREAK, IDR_PREVIEW_FRAME}) {
    SCOPED_TRACE("icon " + std::to_string(id));
    HRSRC found = FindResourceA(Library(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(found, nullptr);
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(Library(), found)));
    int count = dir[4] | (dir[5] << 8);
    std::vector<int> widths;
    for (int i = 0; i < count; ++i) widths.push_back(dir[6 + 14 * i]);
    EXPECT_EQ(widths, (std::vector<int>{16, 32, 48}));
    for (int size : {16, 32, 48}) {
      HICON icon = static_cast<HICON>(LoadImageA(Library(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr);
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP bm{};
      GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, size);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
}

// Explorer, a pinned taskbar button and the shortcuts show the first icon
// of the program file itself, which would otherwise be a generic one.
TEST(ProgramFile, CarriesTheApplicationIcon) {
  char path[MAX_PATH];
  std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  exe = exe.substr(0, exe.find_last_of('\\') + 1) + "..\\program\\horalo.exe";
  HMODULE program = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr) << exe;
  HICON icon = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, 48, 48, 0));
  EXPECT_NE(icon, nullptr);
  if (icon) DestroyIcon(icon);
  FreeLibrary(program);
}

TEST_P(LanguageLibrary, MenuAcceleratorsCursorAndTitleOfThePreview) {
  HMENU menu = LoadMenuA(Library(), MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
  ASSERT_NE(menu, nullptr);
  for (int command : {IDM_PRINT, IDM_STORE_MONTH, IDM_PREVIEW_CLOSE, IDM_ZOOM_1, IDM_ZOOM_2, IDC_HELP_FORM,
                      IDC_PREV_MONTH, IDC_NEXT_MONTH, IDC_PREV_YEAR, IDC_NEXT_YEAR}) {
    EXPECT_NE(GetMenuState(menu, command, MF_BYCOMMAND), static_cast<UINT>(-1)) << "command " << command;
  }
  // The month and year items stand on the menu bar itself, which the
  // program redraws after renaming them.
  std::vector<int> bar;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) bar.push_back(static_cast<int>(GetMenuItemID(menu, i)));
  for (int command : {IDC_PREV_YEAR, IDC_PREV_MONTH, IDC_NEXT_MONTH, IDC_NEXT_YEAR})
    EXPECT_NE(std::find(bar.begin(), bar.end(), command), bar.end()) << "command " << command;

  HACCEL accelerators = LoadAcceleratorsA(Library(), MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
  ASSERT_NE(accelerators, nullptr);
  ACCEL keys[32];
  int count = CopyAcceleratorTableA(accelerators, keys, 32);
  EXPECT_GT(count, 0);
  for (int i = 0; i < count; ++i)
    EXPECT_NE(GetMenuState(menu, keys[i].cmd, MF_BYCOMMAND), static_cast<UINT>(-1)) << "key for " << keys[i].cmd;
  DestroyAcceleratorTable(accelerators);
  DestroyMenu(menu);

  EXPECT_NE(FindResourceA(Library(), MAKEINTRESOURCEA(IDR_PREVIEW_FRAME), MAKEINTRESOURCEA(12)), nullptr);
  HCURSOR cursor = LoadCursorA(Library(), MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_GT(info.xHotspot, 0u) << "the hot spot lies in the lens, not in the corner";
  EXPECT_GT(info.yHotspot, 0u);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  EXPECT_FALSE(Text(IDR_PREVIEW_FRAME).empty());
}

TEST_P(LanguageLibrary, AboutPictureIsAMetafileThatDrawsSomething) {
  HRSRC found = FindResourceA(Library(), MAKEINTRESOURCEA(IDR_ABOUT_PICTURE), "EMF");
  ASSERT_NE(found, nullptr);
  const BYTE* bits = static_cast<const BYTE*>(LockResource(LoadResource(Library(), found)));
  HENHMETAFILE picture = SetEnhMetaFileBits(SizeofResource(Library(), found), bits);
  ASSERT_NE(picture, nullptr);
  ENHMETAHEADER header{};
  GetEnhMetaFileHeader(picture, sizeof header, &header);
  EXPECT_GT(header.rclFrame.right, header.rclFrame.left);
  EXPECT_GT(header.rclFrame.bottom, header.rclFrame.top);

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 240, 150);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, target);
  RECT all{0, 0, 240, 150};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_TRUE(PlayEnhMetaFile(dc, picture, &all));
  std::map<COLORREF, int> colours;
  for (int y = 0; y < 150; y += 5)
    for (int x = 0; x < 240; x += 5) ++colours[GetPixel(dc, x, y)];
  EXPECT_EQ(colours.count(RGB(0, 0, 0)), 0u) << "the picture covers the whole dialog";
  EXPECT_GT(colours.size(), 5u);
  SelectObject(dc, old);
  DeleteObject(target);
  DeleteDC(dc);
  DeleteEnhMetaFile(picture);
}

TEST_P(LanguageLibrary, RowImagesArePlainAndFlaggedForTenKinds) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(Library(), MAKEINTRESOURCEA(IDB_ROW_IMAGES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  BITMAP bm{};
  GetObjectA(bitmap, sizeof bm, &bm);
  ASSERT_EQ(bm.bmWidth, 640);
  const int height = bm.bmHeight;
  ASSERT_GT(height, 0);

  std::vector<DWORD> pixels(640 * height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 640;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS), height);
  ReleaseDC(nullptr, screen);
  auto opaque = [&](int x0, int x1) {  // opaque pixels in columns x0..x1-1
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = x0; x < x1; ++x) n += (pixels[y * 640 + x] & 0xFFFFFF) != 0xFF00FF;
    return n;
  };
  for (int kind = 0; kind < 10; ++kind) {
    SCOPED_TRACE("row kind " + std::to_string(kind));
    int plain = kind * 2 * 32, flagged = plain + 32;
    EXPECT_GT(opaque(plain, plain + 32), 0);
    EXPECT_LT(opaque(plain, plain + 32), 32 * height) << "magenta shows through";
    EXPECT_GT(opaque(flagged, flagged + 32), opaque(plain, plain + 32)) << "the flag adds a mark";
    for (int other = 0; other < kind; ++other) {
      bool same = true;
      for (int y = 0; y < height && same; ++y)
        same = std::equal(&pixels[y * 640 + plain], &pixels[y * 640 + plain + 32], &pixels[y * 640 + other * 64]);
      EXPECT_FALSE(same) << "same picture as kind " << other;
    }
  }
  HIMAGELIST list = ImageList_Create(32, height, ILC_COLOR24 | ILC_MASK, 20, 0);
  ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
  EXPECT_EQ(ImageList_GetImageCount(list), 20);
  ImageList_Destroy(list);
  DeleteObject(bitmap);
}

TEST_P(LanguageLibrary, LibraryHasAVersionBlockWithFixedInfo) {
  HRSRC found = FindResourceA(Library(), MAKEINTRESOURCEA(IDR_VERSION), MAKEINTRESOURCEA(16));  // RT_VERSION
  ASSERT_NE(found, nullptr);
  const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(Library(), found)));
  DWORD size = SizeofResource(Library(), found);
  const VS_FIXEDFILEINFO* fixed = nullptr;
  for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size && !fixed; at += 4) {
    DWORD value;
    std::memcpy(&value, data + at, 4);
    if (value == 0xFEEF04BD) fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(data + at);
  }
  ASSERT_NE(fixed, nullptr);
  EXPECT_NE(fixed->dwFileVersionMS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

// ---------------------------------------------------------------------------

TEST_P(LanguageLibrary, EveryTextIsThere) {
  std::vector<UINT> ids = {IDS_VERSION_LINE, IDS_DDX_TEXT_TOO_LONG, IDS_DDX_NUMBER_RANGE, IDS_DDX_NOT_A_NUMBER,
                           IDR_PREVIEW_FRAME, IDS_COMPENSATION_MARK};
  for (UINT id = IDS_SHEET_ORDER_PROBLEM; id <= IDS_BROWSER_TITLE; ++id) ids.push_back(id);
  for (UINT id : ids) EXPECT_FALSE(Text(id).empty()) << "string " << id;
  // The sheet cuts a day's mark to the width of a time.
  EXPECT_LE(Text(IDS_ABSENCE_MARK).size(), 6u);
  EXPECT_LE(Text(IDS_COMPENSATION_MARK).size(), 6u);
  // Tooltips hold at most 63 characters.
  EXPECT_LE(Text(IDS_TIP_PRESENT).size(), 63u);
  EXPECT_LE(Text(IDS_TIP_BREAK).size(), 63u);
}

TEST_P(LanguageLibrary, ListsSplitIntoTheirEntries) {
  struct List { UINT id; size_t count; const char* first; const char* last; };
  const Language& language = GetParam();
  const List lists[] = {{IDS_MONTH_NAMES, 12, language.months[0], language.months[1]},
                        {IDS_WEEKDAY_NAMES, 7, language.weekdays[0], language.weekdays[1]},
                        {IDS_BROWSER_COLUMNS, 6, nullptr, nullptr},
                        {IDS_MONTHLY_COLUMNS, 3, nullptr, nullptr}};
  for (const auto& list : lists) {
    auto entries = Split(Text(list.id));
    ASSERT_EQ(entries.size(), list.count) << "string " << list.id;
    for (const auto& entry : entries) {
      EXPECT_FALSE(entry.empty()) << "string " << list.id;
      EXPECT_EQ(entry.find('\r'), std::string::npos) << "string " << list.id;
    }
    if (list.first) {
      EXPECT_EQ(entries.front(), list.first);
      EXPECT_EQ(entries.back(), list.last);
    }
  }
}

TEST_P(LanguageLibrary, FormatsTakeTheirArgumentsInOrder) {
  const std::map<UINT, std::string> conversions = {
      {IDS_PROBLEM_CODE, "d"},       {IDS_PROBLEM_CODE_2, "d"},    {IDS_CONFIRM_ENTRY, "ddddd"},
      {IDS_DELETE_RANGE, "dddddd"},  {IDS_PREVIEW_TITLE, "sd"},    {IDS_BROWSER_TITLE, "sd"},
      {IDS_VERSION_LINE, "uuuuuuuu"}, {IDS_DDX_TEXT_TOO_LONG, "u"}, {IDS_DDX_NUMBER_RANGE, "uu"},
      {IDS_DDX_NOT_A_NUMBER, ""},    {IDS_OPEN_DAY_SEEN, "ddddd"},  {IDS_OPEN_DAY_UNSEEN, "ddddd"},
      {IDS_OPEN_DAY_BREAK, "dd"}};
  for (const auto& [id, expected] : conversions) EXPECT_EQ(Conversions(Text(id)), expected) << "string " << id;

  char out[1024];
  auto format = [&](UINT id, auto... args) {
    std::string f = Text(id);
    std::snprintf(out, sizeof out, f.c_str(), args...);
    return std::string(out);
  };
  // Problem marks go into a list cell of 63 characters.
  EXPECT_TRUE(InOrder(format(IDS_PROBLEM_CODE, 4), {"4"}));
  EXPECT_LE(std::strlen(out), 63u);
  EXPECT_TRUE(InOrder(format(IDS_PROBLEM_CODE_2, 5), {"5"}));
  EXPECT_LE(std::strlen(out), 63u);
  EXPECT_TRUE(InOrder(format(IDS_CONFIRM_ENTRY, 7, 12, 2026, 9, 5), {"7", "12", "2026", "9", "5"})) << out;
  EXPECT_TRUE(InOrder(format(IDS_DELETE_RANGE, 1, 2, 2025, 28, 3, 2026), {"1", "2", "2025", "28", "3", "2026"}))
      << out;
  EXPECT_TRUE(InOrder(format(IDS_PREVIEW_TITLE, "March", 2026), {"March", "2026"})) << out;
  EXPECT_TRUE(InOrder(format(IDS_BROWSER_TITLE, "March", 2026), {"March", "2026"})) << out;
  EXPECT_TRUE(InOrder(format(IDS_VERSION_LINE, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u),
                      {"1", "2", "3", "4", "5", "6", "7", "8"}))
      << out;
  EXPECT_TRUE(InOrder(format(IDS_DDX_TEXT_TOO_LONG, 63u), {"63"})) << out;
  EXPECT_TRUE(InOrder(format(IDS_DDX_NUMBER_RANGE, 10u, 999u), {"10", "999"})) << out;
}

// A text that does not fit is cut off on the screen without any warning,
// and translations are where that happens. Measured in the control's own
// font, less what the control draws beside its text.
TEST_P(LanguageLibrary, EveryTextFitsItsControl) {
  HDC dc = GetDC(nullptr);
  for (const auto& entry : AllTemplates()) {
    SCOPED_TRACE("template " + std::to_string(entry.templateId));
    TemplateWindow dialog(Library(), entry.templateId);
    ASSERT_NE(dialog.get(), nullptr);
    for (HWND control : Children(dialog.get())) {
      char text[512] = "";
      GetWindowTextA(control, text, sizeof text);
      std::string cls = ClassOf(control);
      LONG style = GetWindowLongA(control, GWL_STYLE);
      if (!*text || (cls != "button" && cls != "static")) continue;
      if (cls == "static" && (style & SS_TYPEMASK) > SS_RIGHT) continue;  // pictures, frames
      RECT box;
      GetClientRect(control, &box);
      int room = box.right;
      if (cls == "button") {
        LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) room -= 16;
        else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) room -= 6;
        else room -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
      }
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
      TEXTMETRICA metrics{};
      GetTextMetricsA(dc, &metrics);
      bool wraps = cls == "static" && box.bottom >= 2 * metrics.tmHeight;
      RECT needed{0, 0, room, 0};
      DrawTextA(dc, text, -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
      SelectObject(dc, old);
      if (wraps) EXPECT_LE(needed.bottom, box.bottom) << "\"" << text << "\" needs more lines";
      else EXPECT_LE(needed.right, room) << "\"" << text << "\" is cut: " << needed.right << " of " << room << " px";
    }
  }
  ReleaseDC(nullptr, dc);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLibrary, ::testing::Values(kEnglish, kGerman),
                         [](const auto& info) { return std::string(info.param.code); });

namespace {

std::string ResourceKey(LPCSTR id) {
  return IS_INTRESOURCE(id) ? std::to_string(reinterpret_cast<ULONG_PTR>(id)) : id;
}

// Every resource of a library as "type/name".
std::set<std::string> ResourceNames(HMODULE library) {
  std::set<std::string> names;
  std::vector<std::string> types;
  EnumResourceTypesA(library, [](HMODULE, LPSTR type, LONG_PTR found) -> BOOL {
    reinterpret_cast<std::vector<std::string>*>(found)->push_back(ResourceKey(type));
    return TRUE;
  }, reinterpret_cast<LONG_PTR>(&types));
  for (const auto& type : types) {
    std::vector<std::string> ofType;
    LPCSTR id = std::isdigit(static_cast<unsigned char>(type[0])) ? MAKEINTRESOURCEA(std::stoi(type)) : type.c_str();
    EnumResourceNamesA(library, id, [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
      reinterpret_cast<std::vector<std::string>*>(found)->push_back(ResourceKey(name));
      return TRUE;
    }, reinterpret_cast<LONG_PTR>(&ofType));
    for (const auto& name : ofType) names.insert(type + "/" + name);
  }
  return names;
}

// What a window made from a template promises the program: each numbered
// control with its class and the style bits the program relies on.
std::map<int, std::string> ControlsOf(HMODULE library, int templateId) {
  TemplateWindow dialog(library, templateId);
  std::map<int, std::string> controls;
  const LONG kept = WS_DISABLED | WS_VISIBLE | WS_TABSTOP | 0xFFFF;
  for (HWND control : Children(dialog.get())) {
    int id = GetDlgCtrlID(control);
    if (id == 0xFFFF || id == -1) continue;
    controls[id] = ClassOf(control) + " " + std::to_string(GetWindowLongA(control, GWL_STYLE) & kept);
  }
  return controls;
}

void CollectCommands(HMENU menu, std::set<UINT>& commands) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU popup = GetSubMenu(menu, i)) CollectCommands(popup, commands);
    else if (UINT id = GetMenuItemID(menu, i); id != 0) commands.insert(id);
  }
}

}  // namespace

TEST(LanguageLibraries, EachTranslationAnswersWhatTheEnglishLibraryAnswers) {
  HMODULE english = LoadLanguage(kEnglish);
  ASSERT_NE(english, nullptr);
  const auto names = ResourceNames(english);
  for (const Language* language : {&kGerman}) {
    SCOPED_TRACE(language->code);
    HMODULE translated = LoadLanguage(*language);
    ASSERT_NE(translated, nullptr);
    EXPECT_EQ(ResourceNames(translated), names);

    for (const auto& name : names) {
      if (name.rfind("6/", 0) != 0) continue;  // RT_STRING: blocks of 16 texts
      UINT first = (std::stoul(name.substr(2)) - 1) * 16;
      for (UINT id = first; id < first + 16; ++id) {
        std::string original = TextOf(english, id), text = TextOf(translated, id);
        EXPECT_EQ(text.empty(), original.empty()) << "string " << id;
        EXPECT_EQ(Conversions(text), Conversions(original)) << "string " << id << ": " << text;
      }
    }
    for (const auto& entry : AllTemplates())
      EXPECT_EQ(ControlsOf(translated, entry.templateId), ControlsOf(english, entry.templateId))
          << "template " << entry.templateId;

    std::set<UINT> originalCommands, commands;
    HMENU originalMenu = LoadMenuA(english, MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
    HMENU menu = LoadMenuA(translated, MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
    CollectCommands(originalMenu, originalCommands);
    CollectCommands(menu, commands);
    EXPECT_EQ(commands, originalCommands);
    DestroyMenu(originalMenu);
    DestroyMenu(menu);
  }
}
