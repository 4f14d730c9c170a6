// The about box and the version numbers it shows: the fixed version block
// found in raw bytes, in the language library (checked against the
// system's own version API) and missing altogether.
#include <cstdint>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "modal_script.h"
#include "resource_ids.h"
#include "ui/main/about_dialog.h"
#include "ui/main/version_reader.h"

namespace horalo {
namespace {

using win::test::DialogFixture;
using win::test::LanguageLibrary;
using test::ModalScript;

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A version resource as a resource compiler lays it out: a 40-byte header
// with the key, then the fixed block with file version 1.2.3.4 and
// product version 5.6.7.8, then the string tables (here just filler).
std::vector<std::uint8_t> VersionResource(std::uint32_t signature = 0xFEEF04BD) {
    std::vector<std::uint8_t> bytes(40, 0);
    const char key[] = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < sizeof(key); ++i) bytes[6 + 2 * i] = static_cast<std::uint8_t>(key[i]);
    for (const std::uint32_t value : {signature, 0x00010000u, 0x00010002u, 0x00030004u, 0x00050006u, 0x00070008u})
        Put32(bytes, value);
    bytes.resize(bytes.size() + 28, 0);
    bytes.resize(bytes.size() + 64, 0xAB);
    return bytes;
}

struct Versions {
    std::uint32_t fileMS, fileLS, productMS, productLS;
};

Versions Numbers(const VersionReader& reader) {
    return {reader.FileVersionMS(), reader.FileVersionLS(), reader.ProductVersionMS(), reader.ProductVersionLS()};
}

// The version of a file as the system reports it.
Versions SystemVersions(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path, &ignored));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (data.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size) || !fixed) {
        ADD_FAILURE() << "no version resource in " << path;
        return {};
    }
    return {fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS, fixed->dwProductVersionLS};
}

void ExpectVersions(const VersionReader& reader, const Versions& expected) {
    const Versions actual = Numbers(reader);
    EXPECT_EQ(actual.fileMS, expected.fileMS);
    EXPECT_EQ(actual.fileLS, expected.fileLS);
    EXPECT_EQ(actual.productMS, expected.productMS);
    EXPECT_EQ(actual.productLS, expected.productLS);
}

using AboutDialogTest = DialogFixture;

TEST_F(AboutDialogTest, FixedBlockFoundInRawBytes) {
    VersionReader reader;
    const std::vector<std::uint8_t> resource = VersionResource();
    reader.LoadBytes(resource.data(), resource.size());
    ExpectVersions(reader, {0x00010002, 0x00030004, 0x00050006, 0x00070008});

    // Without the signature the block stays zero.
    const std::vector<std::uint8_t> unsigned_ = VersionResource(0x12345678);
    reader.LoadBytes(unsigned_.data(), unsigned_.size());
    ExpectVersions(reader, {0, 0, 0, 0});

    // The signature is only looked for at 4-byte steps.
    std::vector<std::uint8_t> shifted = VersionResource();
    shifted.insert(shifted.begin() + 40, 2, 0);
    reader.LoadBytes(shifted.data(), shifted.size());
    ExpectVersions(reader, {0, 0, 0, 0});
}

TEST_F(AboutDialogTest, SignatureNearTheEndReadsNothingBeyondTheResource) {
    // Only the signature, the structure version and the file version's
    // high half lie within the resource; what follows in memory is not its.
    const std::vector<std::uint8_t> memory = VersionResource();
    VersionReader reader;
    reader.LoadBytes(memory.data(), 40 + 12);
    ExpectVersions(reader, {0x00010002, 0, 0, 0});
    reader.LoadBytes(memory.data(), 40 + 2);  // the signature cut in half
    ExpectVersions(reader, {0, 0, 0, 0});
    reader.LoadBytes(nullptr, 0);
    ExpectVersions(reader, {0, 0, 0, 0});
}

TEST_F(AboutDialogTest, ModulesWithAndWithoutVersionResource) {
    VersionReader reader;
    ASSERT_TRUE(reader.Load(LanguageLibrary()));
    ExpectVersions(reader, SystemVersions(LanguageLibrary()));

    EXPECT_FALSE(reader.Load(GetModuleHandleA(nullptr)));  // the test program has none
    ExpectVersions(reader, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
}

TEST_F(AboutDialogTest, VersionLineGetsTheEightNumbersInOrder) {
    VersionReader reader;
    const std::vector<std::uint8_t> resource = VersionResource();
    reader.LoadBytes(resource.data(), resource.size());
    EXPECT_EQ(FormatVersionLine(reader), win::FormatText(IDS_VERSION_LINE, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));
    EXPECT_NE(FormatVersionLine(reader).find("1.2.3.4"), std::string::npos);

    VersionReader missing;
    missing.Load(GetModuleHandleA(nullptr));
    const unsigned all = 65535;
    EXPECT_EQ(FormatVersionLine(missing), win::FormatText(IDS_VERSION_LINE, all, all, all, all, all, all, all, all));
}

TEST_F(AboutDialogTest, ShowsTheLibraryVersionOverItsPicture) {
    const Versions expected = SystemVersions(LanguageLibrary());
    std::string line;
    COLORREF centre = CLR_INVALID;
    HBRUSH staticBrush = nullptr;
    COLORREF staticText = CLR_INVALID;
    int staticMode = 0;
    ModalScript driver(IDC_VERSION_LINE, [&](HWND dialog) {
        line = win::test::TextOf(GetDlgItem(dialog, IDC_VERSION_LINE));

        HDC memory = CreateCompatibleDC(nullptr);
        staticBrush = reinterpret_cast<HBRUSH>(SendMessageA(
            dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
            reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_VERSION_LINE))));
        staticText = GetTextColor(memory);
        staticMode = GetBkMode(memory);
        DeleteDC(memory);

        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(dialog, &client);
        HDC screen = GetDC(dialog);
        centre = GetPixel(screen, client.right / 2, client.bottom - 4);
        ReleaseDC(dialog, screen);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    RunAboutDialog();
    ASSERT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.Rescued());

    auto part = [](std::uint32_t value, int shift) { return static_cast<unsigned>((value >> shift) & 0xFFFF); };
    EXPECT_EQ(line, win::FormatText(IDS_VERSION_LINE, part(expected.fileMS, 16), part(expected.fileMS, 0),
                                    part(expected.fileLS, 16), part(expected.fileLS, 0),
                                    part(expected.productMS, 16), part(expected.productMS, 0),
                                    part(expected.productLS, 16), part(expected.productLS, 0)));
    EXPECT_EQ(staticBrush, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(staticText, COLORREF{0x007F007F});
    EXPECT_EQ(staticMode, TRANSPARENT);
    EXPECT_NE(centre, GetSysColor(COLOR_BTNFACE)) << "the picture was not drawn";
}

}  // namespace
}  // namespace horalo
