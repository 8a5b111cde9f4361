#pragma once
// The names of the files the program keeps in its folder, in one place. The stored year is the
// window's "Vardo" made a file name: VARDO where the folder's path holds a ".", VARDO.INI
// elsewhere (store_location.h decides which).
#include <string_view>

namespace vardo {

// The stored year, as the window names it, and its two file names.
inline constexpr std::string_view kStoreComponent = "Vardo";
inline constexpr std::string_view kStoreBareName = "VARDO";
inline constexpr std::string_view kStoreIniName = "VARDO.INI";
inline constexpr std::string_view kIniExtension = ".INI";
// A year that could not be read is kept as VARDO-recupere-<date>-<time>[-<rank>].INI.
inline constexpr std::string_view kRecoveryPrefix = "VARDO-recupere-";
// The year replaced by a new one: VARDO_<year>[-<rank>].INI.
inline constexpr std::string_view kArchivePrefix = "VARDO_";
// The journal of the year's inputs, and its extension once archived with its year as
// VARDO_<year>[-<rank>].journal.
inline constexpr std::string_view kJournalName = "Vardo.journal";
inline constexpr std::string_view kJournalExtension = ".journal";
// The options file (the page shown at the last close, the tools' choices).
inline constexpr std::string_view kOptionsFile = "VardoM.ini";
// The start-up copy: the file "vardo" (any letter case) copied at every start to Vardo.vrd.
inline constexpr std::string_view kCopySourceName = "vardo";
inline constexpr const char* kCopyTarget = "Vardo.vrd";
// The annual text: <program>_<year>.txt.
inline constexpr std::string_view kAnnualTextExtension = ".txt";
// The help module's debug report.
inline constexpr char kDebugReportName[] = "HHDebug.txt";
// The user's data folder's own part, below $XDG_DATA_HOME or ~/.local/share.
inline constexpr std::string_view kDataFolderName = "vardo/";

}  // namespace vardo
