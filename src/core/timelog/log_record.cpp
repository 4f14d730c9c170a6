#include "core/timelog/log_record.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/text/text_ids.h"

namespace horalo {
namespace {

// The decoder reads through one of these two sources, so the log read from a
// file and the log held in memory can never be read differently.
class FileSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    std::size_t Read(void* buffer, std::size_t count) { return Files().Read(file_, buffer, count); }
    long Position() { return Files().Tell(file_); }
    // The bytes between the position and the end; 0 when the file cannot
    // tell, which makes the reader take nothing rather than trust a length.
    // Never more than a log may hold: a note's damaged length in a file far
    // larger must not have all of the file read into one text.
    long BytesLeft() {
        const long position = Files().Tell(file_);
        const long end = position < 0 ? -1 : FileLength(file_);
        return end > position ? std::min(end - position, static_cast<long>(kLargestLogSize)) : 0;
    }

private:
    std::FILE* file_;
};

class MemorySource {
public:
    MemorySource(LogBytes log, std::size_t offset) : log_(log), offset_(std::min(offset, log.size())) {}
    std::size_t Read(void* buffer, std::size_t count) {
        const std::size_t taken = std::min(count, log_.size() - offset_);
        if (taken > 0) std::memcpy(buffer, log_.data() + offset_, taken);
        offset_ += taken;
        return taken;
    }
    long Position() const { return static_cast<long>(offset_); }
    long BytesLeft() const { return static_cast<long>(log_.size() - offset_); }
    std::size_t Offset() const { return offset_; }

private:
    LogBytes log_;
    std::size_t offset_;
};

// A field cut short by the end of the file keeps the bytes that were there;
// the rest is zero, never whatever the memory held.
template <class Source>
std::uint32_t ReadInt(Source& source) {
    std::uint8_t bytes[4] = {};
    source.Read(bytes, sizeof bytes);
    return LoadU32(bytes);
}

// A length that does not fit into the rest of the file (negative, too large,
// or a text cut off) means the record's end is lost. Then the text is what is
// there up to its first NUL, and the rest of the file goes with it, so the
// reading loop ends instead of taking text bytes for records. Either way no
// more is allocated than the file holds.
template <class Source>
std::string ReadNoteText(Source& source, std::int32_t length) {
    const long left = source.BytesLeft();
    const bool fits = length >= 0 && static_cast<long long>(length) + 1 <= left;
    std::string bytes(fits ? static_cast<std::size_t>(length) + 1 : static_cast<std::size_t>(left), '\0');
    bytes.resize(source.Read(bytes.data(), bytes.size()));
    if (fits && bytes.size() > static_cast<std::size_t>(length)) bytes.resize(static_cast<std::size_t>(length));
    return std::string(bytes.c_str());
}

template <class Source>
std::optional<StoredRecord> Decode(Source& source) {
    StoredRecord stored;
    stored.position = source.Position();
    std::uint8_t tag[4];
    if (source.Read(tag, sizeof tag) < sizeof tag) return std::nullopt;

    LogRecord& record = stored.record;
    record.tag = LoadU32(tag);
    if (!record.HasPayload()) return stored;
    record.time = static_cast<TimeValue>(ReadInt(source));
    switch (record.type()) {
    case LogRecordType::Break:
        record.breakEnd = static_cast<TimeValue>(ReadInt(source));
        break;
    case LogRecordType::MonthRecord:
        record.hoursDeducted = static_cast<std::int32_t>(ReadInt(source));
        record.carriedBalance = static_cast<std::int32_t>(ReadInt(source));
        break;
    case LogRecordType::Note:
        record.text = ReadNoteText(source, static_cast<std::int32_t>(ReadInt(source)));
        break;
    default:
        break;
    }
    return stored;
}

}  // namespace

std::optional<TimeValue> LogTime(long long moment) {
    if (moment < 0 || moment > kLatestLogTime) return std::nullopt;
    return moment;
}

bool LogCanHold(const LogRecord& record) { return LogTime(record.time) && LogTime(record.breakEnd); }

Outcome CheckLogCanHold(std::span<const LogRecord> records) {
    if (std::all_of(records.begin(), records.end(), LogCanHold)) return std::nullopt;
    return LibraryMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
}

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

WithOutcome<LogFile> OpenLogFile(Host& host, const char* mode, bool rewrite) {
    const std::string path = host.ProgramFolder() + (rewrite ? kRewriteFileName : kLogFileName);
    WithOutcome<LogFile> opened{LogFile(Files().Open(path, mode)), std::nullopt};
    if (!opened.value) opened.outcome = LibraryMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
    return opened;
}

Bytes EncodeRecord(const LogRecord& record) {
    Bytes bytes;
    ByteWriter out(bytes);
    out.U32(record.tag);
    if (!record.HasPayload()) return bytes;
    out.U32(static_cast<std::uint32_t>(record.time));
    switch (record.type()) {
    case LogRecordType::Break:
        out.U32(static_cast<std::uint32_t>(record.breakEnd));
        break;
    case LogRecordType::MonthRecord:
        out.I32(record.hoursDeducted);
        out.I32(record.carriedBalance);
        break;
    case LogRecordType::Note: {
        // Readers take the text up to its first NUL; storing more than that
        // would give the length field a meaning no reader shares.
        const std::string_view text(record.text.c_str());
        out.U32(static_cast<std::uint32_t>(text.size()));
        out.Put(text);
        out.U8(0);
        break;
    }
    default:
        break;
    }
    return bytes;
}

// A record whose payload is lost behind its tag would make every later
// record unreadable, so the record is written in one piece and only counts
// as written when all of it is.
Outcome WriteRecord(const LogRecord& record, std::FILE* file) {
    if (Outcome refused = CheckLogCanHold(std::span(&record, 1))) return refused;
    const Bytes bytes = EncodeRecord(record);
    if (Files().Write(file, bytes.data(), bytes.size()) != bytes.size())
        return LibraryMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
    return std::nullopt;
}

std::optional<StoredRecord> ReadRecord(std::FILE* file) {
    FileSource source(file);
    return Decode(source);
}

std::optional<StoredRecord> DecodeRecord(LogBytes log, std::size_t& offset) {
    MemorySource source(log, offset);
    auto stored = Decode(source);
    offset = source.Offset();
    return stored;
}

}  // namespace horalo
