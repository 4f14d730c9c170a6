#pragma once
// The pages of HORALO.CHM that the program opens; the help file's own test
// holds the compiled file to them.
namespace horalo {

inline constexpr const char* kHelpIndexTopic = "HORALO.CHM::/index.htm";
inline constexpr const char* kHelpMainTopic = "HORALO.CHM::/maindialog.htm";
inline constexpr const char* kHelpFormTopic = "HORALO.CHM::/Form.htm";
inline constexpr const char* kHelpYearTopic = "HORALO.CHM::/year.htm";

}  // namespace horalo
