#include "core/store/calendar_entry_file.h"

#include <cstdio>
#include <vector>

#include "core/store/file_layer.h"
#include "resource_ids.h"

namespace horalo {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kRecordSize = 32;
constexpr std::size_t kOldRecordSize = 28;  // without the extra flag
constexpr std::uint8_t kNameTag = 1;
constexpr std::uint8_t kSecondTextTag = 2;
constexpr std::uint16_t kEndWord = 0x0003;

// The file is taken by its length, so a read cut short is damage rather
// than a file that seems to end early at an entry's border.
int ReadWholeFile(const std::string& path, Bytes& bytes) {
    std::FILE* file = Files().Open(path, "rb");
    if (!file) return kSpecialFileCannotOpen;
    long length = -1;
    if (Files().Seek(file, 0, SEEK_END)) length = Files().Tell(file);
    bool read = length >= 0 && Files().Seek(file, 0, SEEK_SET);
    if (read) {
        bytes.resize(static_cast<std::size_t>(length));
        read = Files().Read(file, bytes.data(), bytes.size()) == bytes.size();
    }
    Files().Close(file);
    return read ? kSpecialFileOk : kSpecialFileDamaged;
}

// The new content goes beside the file first and takes its place only once
// the disk has all of it: a save cut short must not cost the user the file,
// since the program does not start without it.
int ReplaceFile(const std::string& path, const Bytes& bytes) {
    const std::string fresh = path + ".new";
    std::FILE* file = Files().Open(fresh, "wb");
    if (!file) return kSpecialFileCannotOpen;
    const bool written = Files().Write(file, bytes.data(), bytes.size()) == bytes.size();
    const bool flushed = written && Files().FlushToDisk(file);
    const bool closed = Files().Close(file);
    if (written && flushed && closed && Files().Replace(fresh, path) == ReplaceOutcome::Done)
        return kSpecialFileOk;
    std::remove(fresh.c_str());
    return kSpecialFileWriteFailed;
}

int Damaged(SpecialEntryList& list) {
    list.Clear();
    return kSpecialFileDamaged;
}

// Reads the file front to back; every read that would pass the end means
// the file is damaged.
class Reader {
public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}

    bool Has(std::size_t count) const { return bytes_.size() - position_ >= count; }
    std::size_t Position() const { return position_; }
    void Seek(std::size_t position) { position_ = position; }

    std::uint32_t Unsigned(std::size_t width) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) value |= std::uint32_t{bytes_[position_ + i]} << (8 * i);
        position_ += width;
        return value;
    }
    std::int16_t Short() { return static_cast<std::int16_t>(Unsigned(2)); }
    std::int32_t Int() { return static_cast<std::int32_t>(Unsigned(4)); }

    // The text ends at its first NUL or at the end of its item, so an item
    // without a terminator or of length 0 still gives a proper text.
    std::string Text(std::size_t length) {
        const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(position_);
        std::string text(begin, begin + static_cast<std::ptrdiff_t>(length));
        position_ += length;
        return text.substr(0, text.find('\0'));
    }

private:
    const Bytes& bytes_;
    std::size_t position_ = 0;
};

SpecialEntry ReadRecord(Reader& in, std::size_t recordSize) {
    SpecialEntry entry;
    entry.day = in.Short();
    entry.offset = in.Short();
    entry.ordinal = in.Short();
    in.Short();  // reserved
    entry.weekday = in.Int();
    entry.month = in.Int();
    entry.weekdayRule = in.Int();
    entry.easter = in.Int();
    entry.holiday = in.Int();
    if (recordSize == kRecordSize) entry.extra = in.Int();
    return entry;
}

// Reads the items behind a record up to the end word.
bool ReadItems(Reader& in, long& remaining, SpecialEntry& entry) {
    for (;;) {
        if (!in.Has(2)) return false;
        const auto word = static_cast<std::uint16_t>(in.Unsigned(2));
        remaining -= 2;
        const std::uint8_t tag = word & 0xFF;
        const std::size_t length = word >> 8;
        if (tag == kNameTag || tag == kSecondTextTag) {
            if (!in.Has(length)) return false;
            (tag == kNameTag ? entry.name : entry.secondText) = in.Text(length);
            remaining -= static_cast<long>(length);
        } else if (word == kEndWord) {
            return true;
        }
        // Any other word, an end tag with a length included, carries no data.
    }
}

void PutUnsigned(Bytes& bytes, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutItem(Bytes& bytes, std::uint8_t tag, const std::string& text) {
    PutUnsigned(bytes, tag | static_cast<std::uint32_t>(text.size() + 1) << 8, 2);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
}

void PutEntry(Bytes& bytes, const SpecialEntry& entry) {
    PutUnsigned(bytes, static_cast<std::uint16_t>(entry.day), 2);
    PutUnsigned(bytes, static_cast<std::uint16_t>(entry.offset), 2);
    PutUnsigned(bytes, static_cast<std::uint16_t>(entry.ordinal), 2);
    PutUnsigned(bytes, 0, 2);
    for (const std::int32_t field : {entry.weekday, entry.month, entry.weekdayRule, entry.easter,
                                     entry.holiday, entry.extra})
        PutUnsigned(bytes, static_cast<std::uint32_t>(field), 4);
    if (entry.name) PutItem(bytes, kNameTag, *entry.name);
    if (entry.secondText) PutItem(bytes, kSecondTextTag, *entry.secondText);
    PutUnsigned(bytes, kEndWord, 2);
}

bool Storable(const std::optional<std::string>& text) {
    return !text || text->size() <= kMaxSpecialTextLength;
}

std::string SpecialFilePath(Host& host) { return host.ProgramFolder() + kSpecialFileName; }

}  // namespace

int ReadSpecialFile(const std::string& path, SpecialEntryList& list) {
    list.Clear();
    Bytes bytes;
    if (const int result = ReadWholeFile(path, bytes); result != kSpecialFileOk) return result;

    Reader in(bytes);
    if (!in.Has(4)) return kSpecialFileDamaged;
    std::size_t recordSize = kRecordSize;
    if (in.Unsigned(4) != kSpecialFileMagic) {
        in.Seek(0);
        recordSize = kOldRecordSize;
    }
    // The magic number is never counted off, so the current format ends
    // with its 4 bytes still "remaining"; the old format with none.
    long remaining = static_cast<long>(bytes.size());
    while (remaining > static_cast<long>(kRecordSize)) {
        if (!in.Has(recordSize)) return Damaged(list);
        SpecialEntry entry = ReadRecord(in, recordSize);
        remaining -= static_cast<long>(recordSize);
        if (!ReadItems(in, remaining, entry)) return Damaged(list);
        list.Append(std::move(entry));
    }
    return kSpecialFileOk;
}

int WriteSpecialFile(const std::string& path, const SpecialEntryList& list) {
    Bytes bytes;
    PutUnsigned(bytes, kSpecialFileMagic, 4);
    for (const SpecialEntry& entry : list) {
        // A longer text would be written with a wrong length byte and tear
        // every entry behind it.
        if (!Storable(entry.name) || !Storable(entry.secondText)) return kSpecialFileWriteFailed;
        PutEntry(bytes, entry);
    }
    return ReplaceFile(path, bytes);
}

bool LoadSpecialEntries(Host& host, SpecialEntryList& list) {
    if (ReadSpecialFile(SpecialFilePath(host), list) == kSpecialFileOk) return true;
    host.ShowMessage(IDS_SPECIAL_READ_FAILED, kMessageStop);
    return false;
}

bool SaveSpecialEntries(Host& host, SpecialEntryList& list) {
    const bool saved = WriteSpecialFile(SpecialFilePath(host), list) == kSpecialFileOk;
    if (!saved) host.ShowMessage(IDS_SPECIAL_WRITE_FAILED, kMessageStop);
    list.Clear();
    return saved;
}

}  // namespace horalo
