#pragma once
// What the portable core needs from the program around it. The Windows
// program answers with the registry and the language library; tests answer
// with a temporary folder and a recorder of messages.
#include <string>

namespace horalo {

// Message box styles the core asks for (the values of the Win32 MB_ flags).
enum MessageStyle : unsigned {
    kMessagePlain = 0x00,
    kMessageYesNo = 0x04,
    kMessageStop = 0x10,
    kMessageQuestion = 0x20,
    kMessageInformation = 0x40,
};

enum MessageAnswer : int { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };

class Host {
public:
    virtual ~Host() = default;
    // The program folder, ending in a path separator, or empty when unknown
    // (files are then looked up relative to the current folder).
    virtual std::string ProgramFolder() = 0;
    // Shows the text with the given string identifier; returns the answer.
    virtual int ShowMessage(unsigned stringId, unsigned style) { return ShowText(stringId, LoadText(stringId), style); }
    // Shows a text made from string `stringId` and its arguments.
    virtual int ShowText(unsigned stringId, const std::string& text, unsigned style) = 0;
    // The text with the given string identifier, empty when there is none.
    virtual std::string LoadText(unsigned stringId) = 0;
    // Told after every change of the time log that was made (an append, a
    // rewrite), wherever it was made, so that whatever shows the log can
    // show it anew.
    virtual void LogChanged() {}
};

}  // namespace horalo
