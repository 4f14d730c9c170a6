#pragma once
// Texts and templates come from the language library, never from the
// program file; this is where its module handle lives.
#include <windows.h>

#include <string>

#include "core/io/byte_codec.h"

namespace horalo::win {

// Also registers the common control classes, so every dialog that needs
// a date-time picker or list view finds its class.
void SetResourceModule(HINSTANCE module);
HINSTANCE ResourceModule();

// Safe to call any number of times; only the first call does the work.
void InitCommonControlsOnce();

// The bytes of a custom resource of the module (empty when it has none);
// valid while the module stays loaded.
ByteSpan ResourceBytes(HMODULE module, const char* name, const char* type);

// "" when the string does not exist.
std::string LoadText(UINT id);
// printf-style formatting with the string as format; "" when it does not exist.
std::string FormatText(UINT id, ...);

}  // namespace horalo::win
