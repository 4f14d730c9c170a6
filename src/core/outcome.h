#pragma once
// What a core operation did, as a value: done, or the message the user is
// to be told. The core shows nothing itself; the program's windows and
// horalo-cli each say a message in their own way, at the moment they choose.
#include <optional>
#include <string>

namespace horalo {

// Message box styles (the values of the Win32 MB_ flags).
enum MessageStyle : unsigned {
    kMessagePlain = 0x00,
    kMessageStop = 0x10,
    kMessageInformation = 0x40,
};

struct Message {
    unsigned textId = 0;  // the language library's text (core/text/text_ids.h)
    // The text already made with its arguments; empty: the library's text
    // of textId as it stands.
    std::string text;
    unsigned style = kMessagePlain;
    bool operator==(const Message&) const = default;
};

// A message of the library's text as it stands.
inline Message LibraryMessage(unsigned textId, unsigned style) { return {textId, {}, style}; }

// None: done, nothing to tell.
using Outcome = std::optional<Message>;

// A value and what there is to tell of getting it; when the outcome is a
// failure, the value is empty.
template <class T>
struct WithOutcome {
    T value{};
    Outcome outcome;
};

}  // namespace horalo
