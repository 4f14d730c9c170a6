#include "ui/main/about_dialog.h"

#include "resource_ids.h"
#include "ui/main/version_reader.h"
#include "win/data_exchange.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr COLORREF kStaticTextColor = 0x007F007F;

unsigned High(std::uint32_t value) { return value >> 16; }
unsigned Low(std::uint32_t value) { return value & 0xFFFF; }

}  // namespace

std::string FormatVersionLine(const VersionReader& reader) {
    const std::uint32_t fileMS = reader.FileVersionMS();
    const std::uint32_t fileLS = reader.FileVersionLS();
    const std::uint32_t productMS = reader.ProductVersionMS();
    const std::uint32_t productLS = reader.ProductVersionLS();
    return win::FormatText(IDS_VERSION_LINE, High(fileMS), Low(fileMS), High(fileLS), Low(fileLS), High(productMS),
                           Low(productMS), High(productLS), Low(productLS));
}

AboutDialog::AboutDialog() : Dialog(IDD_ABOUT) {}

bool AboutDialog::OnInitDialog() {
    VersionReader reader;
    reader.Load(win::ResourceModule());
    versionLine_ = FormatVersionLine(reader);
    return Dialog::OnInitDialog();
}

void AboutDialog::DoDataExchange(win::DataExchange& dx) { dx.Text(IDC_VERSION_LINE, versionLine_, 0); }

INT_PTR AboutDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintPicture();
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        // Static texts are drawn straight onto the picture.
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kStaticTextColor);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    default:
        return Dialog::WindowProc(message, wParam, lParam);
    }
}

void AboutDialog::PaintPicture() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    const ByteSpan bytes = win::ResourceBytes(win::ResourceModule(), MAKEINTRESOURCEA(IDR_ABOUT_PICTURE), "EMF");
    if (!bytes.empty()) {
        HENHMETAFILE picture = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
        if (picture) {
            RECT client;
            GetClientRect(Handle(), &client);
            PlayEnhMetaFile(dc, picture, &client);
            DeleteEnhMetaFile(picture);
        }
    }
    EndPaint(Handle(), &paint);
}

void RunAboutDialog() {
    AboutDialog dialog;
    dialog.RunModal(nullptr);
}

}  // namespace horalo
