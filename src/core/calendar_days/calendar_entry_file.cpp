#include "core/calendar_days/calendar_entry_file.h"

#include <algorithm>
#include <optional>

#include "core/io/byte_block.h"
#include "core/io/byte_codec.h"
#include "core/io/file_layer.h"
#include "core/io/replace_beside.h"
#include "core/text/text_ids.h"

namespace horalo {
namespace {

constexpr std::size_t kRecordSize = 32;
constexpr std::size_t kOldRecordSize = 28;  // without the extra flag
constexpr std::uint8_t kNameTag = 1;
constexpr std::uint8_t kSecondTextTag = 2;
constexpr std::uint16_t kEndWord = 0x0003;

// An entry with both texts at their longest takes 548 bytes, so this holds
// thousands of them; a larger file is none the editor wrote (a directory in
// its place, say), and is refused before it is read.
constexpr std::size_t kLargestSpecialFileSize = std::size_t{4} << 20;

// The file is taken by its length, so a read cut short is damage rather
// than a file that seems to end early at an entry's border.
int ReadWholeFile(const std::string& path, std::optional<ByteBlock>& bytes) {
    FileHandle file(Files().Open(path, "rb"));
    if (!file) return kSpecialFileCannotOpen;
    bytes = ReadToEnd(file.get(), kLargestSpecialFileSize);
    return bytes ? kSpecialFileOk : kSpecialFileDamaged;
}

int Damaged(SpecialEntryList& list) {
    list.Clear();
    return kSpecialFileDamaged;
}

// The text ends at its first NUL or at the end of its item, so an item
// without a terminator or of length 0 still gives a proper text. A full
// item without one holds a character more than a save can give a length:
// that one is cut, or no save of the list would ever succeed.
std::string Text(ByteSpan item) {
    const std::string text(item.begin(), item.end());
    return text.substr(0, std::min(text.find('\0'), kMaxSpecialTextLength));
}

// The flags are 32-bit fields of the file. The holiday flag counts only as
// 1, as the calendar and the evaluation have always read it; the others as
// anything but 0. They are written back as 0 or 1.
SpecialEntry ReadRecord(ByteReader& in, std::size_t recordSize) {
    SpecialEntry entry;
    entry.day = in.I16();
    entry.offset = in.I16();
    entry.ordinal = in.I16();
    in.I16();  // reserved
    entry.weekday = in.I32();
    entry.month = in.I32();
    entry.weekdayRule = in.I32() != 0;
    entry.easter = in.I32() != 0;
    entry.holiday = in.I32() == 1;
    if (recordSize == kRecordSize) entry.extra = in.I32() != 0;
    return entry;
}

// Reads the items behind a record up to the end word.
bool ReadItems(ByteReader& in, SpecialEntry& entry) {
    for (;;) {
        if (!in.Has(2)) return false;
        const std::uint16_t word = in.U16();
        const std::uint8_t tag = word & 0xFF;
        const std::size_t length = word >> 8;
        if (tag == kNameTag || tag == kSecondTextTag) {
            if (!in.Has(length)) return false;
            (tag == kNameTag ? entry.name : entry.secondText) = Text(in.Take(length));
        } else if (word == kEndWord) {
            return true;
        }
        // Any other word, an end tag with a length included, carries no data.
    }
}

void PutItem(ByteWriter& out, std::uint8_t tag, const std::string& text) {
    out.U16(static_cast<std::uint16_t>(tag | (text.size() + 1) << 8));
    out.Put(text);
    out.U8(0);
}

void PutEntry(ByteWriter& out, const SpecialEntry& entry) {
    out.I16(entry.day);
    out.I16(entry.offset);
    out.I16(entry.ordinal);
    out.I16(0);
    out.I32(entry.weekday);
    out.I32(entry.month);
    for (const bool flag : {entry.weekdayRule, entry.easter, entry.holiday, entry.extra}) out.I32(flag ? 1 : 0);
    if (entry.name) PutItem(out, kNameTag, *entry.name);
    if (entry.secondText) PutItem(out, kSecondTextTag, *entry.secondText);
    out.U16(kEndWord);
}

bool Storable(const std::optional<std::string>& text) {
    return !text || text->size() <= kMaxSpecialTextLength;
}

std::string SpecialFilePath(Host& host) { return host.ProgramFolder() + kSpecialFileName; }

}  // namespace

int ReadSpecialFile(const std::string& path, SpecialEntryList& list) {
    list.Clear();
    std::optional<ByteBlock> bytes;
    if (const int result = ReadWholeFile(path, bytes); result != kSpecialFileOk) return result;

    ByteReader in(*bytes);
    if (!in.Has(4)) return kSpecialFileDamaged;
    std::size_t recordSize = kRecordSize;
    if (in.U32() != kSpecialFileMagic) {
        in.Seek(0);
        recordSize = kOldRecordSize;
    }
    // Bytes behind the last entry that could not hold even an old record
    // are no entry of their own. The bound is the same for both formats:
    // the smallest old entry, 28 bytes and an end word, is read whole.
    while (in.Left() > kOldRecordSize) {
        if (!in.Has(recordSize)) return Damaged(list);
        SpecialEntry entry = ReadRecord(in, recordSize);
        if (!ReadItems(in, entry)) return Damaged(list);
        list.Append(std::move(entry));
    }
    return kSpecialFileOk;
}

int WriteSpecialFile(const std::string& path, const SpecialEntryList& list, KeepOld keep) {
    Bytes bytes;
    ByteWriter out(bytes);
    out.U32(kSpecialFileMagic);
    for (const SpecialEntry& entry : list) {
        // A longer text would be written with a wrong length byte and tear
        // every entry behind it.
        if (!Storable(entry.name) || !Storable(entry.secondText)) return kSpecialFileWriteFailed;
        PutEntry(out, entry);
    }
    // Beside the file first: a save cut short must not cost the user the
    // file, since the program does not start without it.
    const ByteSpan parts[] = {bytes};
    // The program saves the days at every exit: a backup of a file the save
    // leaves as it was would only push real ones out.
    if (keep == KeepOld::AsBackup) {
        std::optional<ByteBlock> old;
        if (ReadWholeFile(path, old) == kSpecialFileOk && std::ranges::equal(ByteSpan(*old), ByteSpan(bytes)))
            keep = KeepOld::No;
    }
    switch (ReplaceBeside(path, path + ".new", parts, keep)) {
    case ReplaceResult::Done: return kSpecialFileOk;
    case ReplaceResult::CannotCreate: return kSpecialFileCannotOpen;
    default: return kSpecialFileWriteFailed;
    }
}

Outcome LoadSpecialEntries(Host& host, SpecialEntryList& list) {
    if (ReadSpecialFile(SpecialFilePath(host), list) == kSpecialFileOk) return std::nullopt;
    return LibraryMessage(IDS_SPECIAL_READ_FAILED, kMessageStop);
}

Outcome SaveSpecialEntries(Host& host, const SpecialEntryList& list) {
    if (WriteSpecialFile(SpecialFilePath(host), list, KeepOld::AsBackup) == kSpecialFileOk) return std::nullopt;
    return LibraryMessage(IDS_SPECIAL_WRITE_FAILED, kMessageStop);
}

}  // namespace horalo
