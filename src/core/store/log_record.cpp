#include "core/store/log_record.h"

#include <string_view>
#include <vector>

#include "resource_ids.h"

namespace horalo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every file access of the codec goes through the helpers below, so a file
// layer that can be made to fail can take their place.

bool WriteBytes(std::FILE* file, const Bytes& bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

std::size_t ReadBytes(std::FILE* file, void* buffer, std::size_t count) {
    return count == 0 ? 0 : std::fread(buffer, 1, count, file);
}

long Tell(std::FILE* file) { return std::ftell(file); }

// The bytes between the file's position and its end; 0 when the file cannot
// tell, which makes the reader take nothing rather than trust a length.
long BytesLeft(std::FILE* file) {
    const long position = Tell(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
    const long end = Tell(file);
    if (std::fseek(file, position, SEEK_SET) != 0) return 0;
    return end > position ? end - position : 0;
}

void PutInt(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetInt(const std::uint8_t* bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return value;
}

// A field cut short by the end of the file keeps the bytes that were there;
// the rest is zero, never whatever the memory held.
std::uint32_t ReadInt(std::FILE* file) {
    std::uint8_t bytes[4] = {};
    ReadBytes(file, bytes, sizeof bytes);
    return GetInt(bytes);
}

Bytes EncodePayload(const LogRecord& record) {
    Bytes bytes;
    if (!record.HasPayload()) return bytes;
    PutInt(bytes, static_cast<std::uint32_t>(record.time));
    switch (record.type()) {
    case LogRecordType::Break:
        PutInt(bytes, static_cast<std::uint32_t>(record.breakEnd));
        break;
    case LogRecordType::MonthRecord:
        PutInt(bytes, static_cast<std::uint32_t>(record.hoursDeducted));
        PutInt(bytes, static_cast<std::uint32_t>(record.carriedBalance));
        break;
    case LogRecordType::Note: {
        // Readers take the text up to its first NUL; storing more than that
        // would give the length field a meaning no reader shares.
        const std::string_view text(record.text.c_str());
        PutInt(bytes, static_cast<std::uint32_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
        break;
    }
    default:
        break;
    }
    return bytes;
}

// A length that does not fit into the rest of the file (negative, too large,
// or a text cut off) means the record's end is lost. Then the text is what is
// there up to its first NUL, and the rest of the file goes with it, so the
// reading loop ends instead of taking text bytes for records. Either way no
// more is allocated than the file holds.
std::string ReadNoteText(std::FILE* file, std::int32_t length) {
    const long left = BytesLeft(file);
    const bool fits = length >= 0 && static_cast<long long>(length) + 1 <= left;
    std::string bytes(fits ? static_cast<std::size_t>(length) + 1 : static_cast<std::size_t>(left), '\0');
    bytes.resize(ReadBytes(file, bytes.data(), bytes.size()));
    if (fits && bytes.size() > static_cast<std::size_t>(length)) bytes.resize(static_cast<std::size_t>(length));
    return std::string(bytes.c_str());
}

}  // namespace

LogRecord LogRecord::Of(LogRecordType type, TimeValue time) {
    LogRecord record;
    record.tag = static_cast<std::uint32_t>(type);
    record.time = time;
    return record;
}

LogRecord LogRecord::Break(TimeValue start, TimeValue end) {
    LogRecord record = Of(LogRecordType::Break, start);
    record.breakEnd = end;
    return record;
}

LogRecord LogRecord::Note(TimeValue time, std::string text) {
    LogRecord record = Of(LogRecordType::Note, time);
    record.text = std::move(text);
    return record;
}

LogRecord LogRecord::Month(TimeValue monthKey, std::int32_t hoursDeducted, std::int32_t carriedBalance) {
    LogRecord record = Of(LogRecordType::MonthRecord, monthKey);
    record.hoursDeducted = hoursDeducted;
    record.carriedBalance = carriedBalance;
    return record;
}

LogFile OpenLogFile(Host& host, const char* mode, bool rewrite) {
    const std::string path = host.ProgramFolder() + (rewrite ? kRewriteFileName : kLogFileName);
    LogFile file(std::fopen(path.c_str(), mode));
    if (!file) host.ShowMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
    return file;
}

bool WriteRecord(Host& host, const LogRecord& record, std::FILE* file) {
    Bytes tag;
    PutInt(tag, record.tag);
    if (!WriteBytes(file, tag)) {
        host.ShowMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
        return false;
    }
    WriteBytes(file, EncodePayload(record));  // by contract only the tag decides
    return true;
}

std::optional<StoredRecord> ReadRecord(std::FILE* file) {
    StoredRecord stored;
    stored.position = Tell(file);
    std::uint8_t tag[4];
    if (ReadBytes(file, tag, sizeof tag) < sizeof tag) return std::nullopt;

    LogRecord& record = stored.record;
    record.tag = GetInt(tag);
    if (!record.HasPayload()) return stored;
    record.time = static_cast<TimeValue>(ReadInt(file));
    switch (record.type()) {
    case LogRecordType::Break:
        record.breakEnd = static_cast<TimeValue>(ReadInt(file));
        break;
    case LogRecordType::MonthRecord:
        record.hoursDeducted = static_cast<std::int32_t>(ReadInt(file));
        record.carriedBalance = static_cast<std::int32_t>(ReadInt(file));
        break;
    case LogRecordType::Note:
        record.text = ReadNoteText(file, static_cast<std::int32_t>(ReadInt(file)));
        break;
    default:
        break;
    }
    return stored;
}

}  // namespace horalo
