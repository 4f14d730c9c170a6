// The floor for Horalo's start and quit: the least a program must do to show
// a captioned dialog and, on the private quit request, put an 8-byte record
// on the disk and go. Measured beside Horalo by latency_probe, in the same
// Wine world, so that what is left over is Horalo's own.
//
// The window is found by its property "Horalo.BareDialog", never by
// Horalo's, so a stray floor is never taken for the recorder. Its record
// (tag 0, then the time) goes to bare.log beside the program.
#include <windows.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {
constexpr UINT kQuitRequest = 0x054D;
constexpr const char* kProperty = "Horalo.BareDialog";
constexpr WORD kButtonId = 1001;

std::string LogPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto cut = folder.find_last_of("\\/");
    folder.erase(cut == std::string::npos ? 0 : cut + 1);
    return folder + "bare.log";
}

// The same steps as Horalo's append: open for appending, write, flush to
// the disk, close.
void AppendRecord() {
    const std::uint32_t tag = 0;
    const auto now = static_cast<std::uint32_t>(std::time(nullptr));
    unsigned char bytes[8];
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(tag >> (8 * i));
        bytes[4 + i] = static_cast<unsigned char>(now >> (8 * i));
    }
    std::FILE* file = std::fopen(LogPath().c_str(), "ab");
    if (!file) return;
    std::fwrite(bytes, 1, sizeof bytes, file);
    std::fflush(file);
    _commit(_fileno(file));
    std::fclose(file);
}

// A DLGTEMPLATE in memory: items and strings must start on WORD and
// DWORD boundaries, which a vector of WORDs gives us for the WORDs and
// Align() for the items.
class TemplateBuilder {
public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(const wchar_t* text) {
        for (; *text; ++text) Word(static_cast<WORD>(*text));
        Word(0);
    }
    void Align() {
        if (words_.size() % 2 != 0) Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

TemplateBuilder MakeTemplate() {
    TemplateBuilder t;
    // The main dialog's own style, so the window manager's part (or its
    // absence) weighs the same for both programs.
    t.Dword(DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    t.Dword(WS_EX_APPWINDOW);
    t.Word(1);  // one item
    t.Word(0);
    t.Word(0);
    t.Word(250);
    t.Word(197);
    t.Word(0);  // no menu
    t.Word(0);  // the standard dialog class
    t.Text(L"Bare dialog");
    t.Word(8);
    t.Text(L"MS Shell Dlg");
    t.Align();
    t.Dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON);
    t.Dword(0);
    t.Word(15);
    t.Word(19);
    t.Word(106);
    t.Word(14);
    t.Word(kButtonId);
    t.Word(0xFFFF);
    t.Word(0x0080);  // button class
    t.Text(L"&Nothing");
    t.Word(0);  // no creation data
    return t;
}

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetPropA(window, kProperty, reinterpret_cast<HANDLE>(1));
        return TRUE;
    case kQuitRequest:
        AppendRecord();
        DestroyWindow(window);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return TRUE;
    case WM_DESTROY:
        RemovePropA(window, kProperty);
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const TemplateBuilder dialogTemplate = MakeTemplate();
    HWND window = CreateDialogIndirectParamA(instance, dialogTemplate.Get(), nullptr, Procedure, 0);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
