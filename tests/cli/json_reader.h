#pragma once
// A small JSON reader for the tests: the tool's output is parsed back rather
// than compared as text, so a malformed document fails the test.
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace horalo::test {

struct JsonValue {
    std::variant<std::nullptr_t, bool, double, std::string, std::vector<JsonValue>, std::map<std::string, JsonValue>>
        value;
    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
    bool Bool() const { return std::get<bool>(value); }
    long long Int() const { return static_cast<long long>(std::get<double>(value)); }
    const std::string& Str() const { return std::get<std::string>(value); }
    const std::vector<JsonValue>& Array() const { return std::get<std::vector<JsonValue>>(value); }
    const JsonValue& operator[](const std::string& key) const {
        const auto& object = std::get<std::map<std::string, JsonValue>>(value);
        const auto found = object.find(key);
        if (found == object.end()) throw std::runtime_error("no member " + key);
        return found->second;
    }
    const JsonValue& operator[](std::size_t index) const { return Array().at(index); }
    bool Has(const std::string& key) const {
        return std::get<std::map<std::string, JsonValue>>(value).count(key) != 0;
    }
};

class JsonReader {
public:
    // Throws std::runtime_error on anything that is not one JSON document.
    static JsonValue Parse(std::string_view text) {
        JsonReader reader(text);
        JsonValue value = reader.Value();
        reader.Space();
        if (reader.at_ != text.size()) reader.Fail("text after the document");
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(what + " at " + std::to_string(at_));
    }
    void Space() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    char Next() {
        Space();
        if (at_ >= text_.size()) Fail("unexpected end");
        return text_[at_];
    }
    void Expect(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) Fail("expected " + std::string(word));
        at_ += word.size();
    }
    JsonValue Value() {
        const char c = Next();
        if (c == '{') return Object();
        if (c == '[') return ArrayValue();
        if (c == '"') return {String()};
        if (c == 't') return Expect("true"), JsonValue{true};
        if (c == 'f') return Expect("false"), JsonValue{false};
        if (c == 'n') return Expect("null"), JsonValue{nullptr};
        return Number();
    }
    JsonValue Number() {
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        while (at_ < text_.size() && ((text_[at_] >= '0' && text_[at_] <= '9') || text_[at_] == '.')) ++at_;
        if (at_ == start) Fail("not a value");
        return {std::stod(std::string(text_.substr(start, at_ - start)))};
    }
    std::string String() {
        Expect("\"");
        std::string out;
        while (true) {
            if (at_ >= text_.size()) Fail("open string");
            const char c = text_[at_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = text_[at_++];
            switch (e) {
            case '"': case '\\': case '/': out += e; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u': {
                const unsigned code = std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16);
                at_ += 4;
                // The tool writes only \u00XX: one byte back.
                if (code > 0xff) Fail("unexpected code point");
                out += static_cast<char>(code);
                break;
            }
            default: Fail("bad escape");
            }
        }
    }
    JsonValue ArrayValue() {
        Expect("[");
        std::vector<JsonValue> items;
        if (Next() == ']') return ++at_, JsonValue{items};
        while (true) {
            items.push_back(Value());
            const char c = Next();
            ++at_;
            if (c == ']') return {items};
            if (c != ',') Fail("expected , or ]");
        }
    }
    JsonValue Object() {
        Expect("{");
        std::map<std::string, JsonValue> members;
        if (Next() == '}') return ++at_, JsonValue{members};
        while (true) {
            Next();
            std::string key = String();
            if (Next() != ':') Fail("expected :");
            ++at_;
            if (members.count(key)) Fail("duplicate key " + key);
            members[key] = Value();
            const char c = Next();
            ++at_;
            if (c == '}') return {members};
            if (c != ',') Fail("expected , or }");
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// RFC 4180 CSV: rows of fields, quoted fields with doubled quotes.
inline std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace horalo::test
