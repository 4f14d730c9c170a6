#pragma once
// What the portable core needs from the program around it. The Windows
// program answers with the registry and the language library; tests answer
// with a temporary folder and texts of their own. The core tells the user
// nothing through it: its operations return what happened (core/outcome.h).
#include <string>

namespace horalo {

class Host {
public:
    virtual ~Host() = default;
    // The program folder, ending in a path separator, or empty when unknown
    // (files are then looked up relative to the current folder).
    virtual std::string ProgramFolder() = 0;
    // The text with the given string identifier, empty when there is none.
    virtual std::string LoadText(unsigned stringId) = 0;
    // Told after every change of the time log that was made (an append, a
    // rewrite), wherever it was made, so that whatever shows the log can
    // show it anew.
    virtual void LogChanged() {}
};

}  // namespace horalo
