#include "print/form_template.h"

#include <algorithm>
#include <span>

#include "core/sheet/placeholder.h"
#include "core/sheet/sheet_text.h"

namespace horalo {

FormTemplate::~FormTemplate() { Release(); }

void FormTemplate::Release() {
    if (metafile_) DeleteEnhMetaFile(metafile_);
    if (palette_) DeleteObject(palette_);
    metafile_ = nullptr;
    palette_ = nullptr;
    header_.clear();
    paletteEntries_.clear();
}

bool FormTemplate::Load(const std::string& path) {
    Release();
    metafile_ = GetEnhMetaFileA(path.c_str());
    if (!metafile_) return false;
    // Every later step through the records (playing, the palette) trusts
    // their sizes: a size of 0 would keep the user-interface thread in one
    // record for ever. So a form is taken only once every size is checked.
    std::vector<std::uint8_t> bits(GetEnhMetaFileBits(metafile_, 0, nullptr));
    if (bits.empty() || GetEnhMetaFileBits(metafile_, static_cast<UINT>(bits.size()), bits.data()) != bits.size() ||
        FirstBadFormRecord(bits)) {
        Release();
        return false;
    }
    const UINT headerSize = GetEnhMetaFileHeader(metafile_, 0, nullptr);
    if (headerSize >= sizeof(ENHMETAHEADER)) {
        header_.resize(headerSize);
        GetEnhMetaFileHeader(metafile_, headerSize, reinterpret_cast<ENHMETAHEADER*>(header_.data()));
    }
    const UINT count = GetEnhMetaFilePaletteEntries(metafile_, 0, nullptr);
    if (count > 0 && count != GDI_ERROR) {
        paletteEntries_.resize(count);
        GetEnhMetaFilePaletteEntries(metafile_, count, paletteEntries_.data());
        // LOGPALETTE ends in a one-entry array: room for the rest follows it.
        std::vector<BYTE> block(sizeof(LOGPALETTE) + (count - 1) * sizeof(PALETTEENTRY));
        auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = static_cast<WORD>(count);
        std::copy(paletteEntries_.begin(), paletteEntries_.end(), logical->palPalEntry);
        palette_ = CreatePalette(logical);
    }
    return true;
}

RECTL FormTemplate::FrameRect() const {
    if (header_.size() < sizeof(ENHMETAHEADER)) return RECTL{};
    return reinterpret_cast<const ENHMETAHEADER*>(header_.data())->rclFrame;
}

int FormTemplate::Play(HDC dc, RECT target, int topOffset) {
    if (!metafile_) return 0;
    target.top += topOffset;
    HPALETTE previous = nullptr;
    if (palette_) {
        previous = SelectPalette(dc, palette_, FALSE);
        if (previous) RealizePalette(dc);
    }
    const int result = EnumEnhMetaFile(dc, metafile_, PlayRecord, this, &target);
    if (previous) SelectPalette(dc, previous, FALSE);
    return result;
}

int CALLBACK FormTemplate::PlayRecord(HDC dc, HANDLETABLE* handles, const ENHMETARECORD* record, int handleCount,
                                      LPARAM self) {
    const auto* form = reinterpret_cast<const FormTemplate*>(self);
    // Only a form whose record sizes were all checked is ever played.
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(record), record->nSize);
    const FormRecordDecision decision = ClassifyFormRecord(bytes);
    switch (decision.action) {
    case FormRecordAction::Play:
        PlayEnhMetaFileRecord(dc, handles, record, handleCount);
        break;
    case FormRecordAction::Drop:
        break;
    case FormRecordAction::Replace: {
        const std::string text = PlaceholderText(decision.placeholder, form->sheet_);
        if (text.empty()) break;
        const TextPlacement& at = decision.placement;
        RECT rect{at.left, at.top, at.right, at.bottom};
        // The value is drawn as characters: a glyph-index option left in the
        // record would turn them into other glyphs.
        const UINT options = at.options & ~static_cast<UINT>(ETO_GLYPH_INDEX);
        ExtTextOutA(dc, at.x, at.y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
        break;
    }
    }
    // Never stop early: a bad record must not cut the rest of the sheet.
    return 1;
}

}  // namespace horalo
