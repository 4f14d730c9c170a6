#pragma once

namespace horalo::win {

// Makes the C runtime take the system's zone, as a Windows program does
// where TZ is not set. The Windows C runtime reads TZ itself and misreads
// a zone name ("Europe/Berlin" becomes UTC with another country's change
// dates), yet Wine derives the system's zone from the user's TZ correctly.
// Every Windows program of ours calls it first; elsewhere the C library
// reads TZ well and nothing needs doing.
void UseSystemTimeZone();

}  // namespace horalo::win
