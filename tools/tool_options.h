#pragma once
// What the tools remember between runs, in a section of their own of the options file: the
// other sections, "Default" among them, are left as they are.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vardo {

inline constexpr std::string_view kToolsSection = "Outils";
inline constexpr std::string_view kElectricKey = "VehiculeElectrique";
inline constexpr std::string_view kExportFolderKey = "DossierExport";
inline constexpr std::string_view kCostsKey = "FraisReels";

// Missing or unreadable: not electric, no folder.
bool readElectric(const std::string& programFolder);
std::string readExportFolder(const std::string& programFolder);

// The year's vehicle costs in cents; nothing when missing or not an amount.
std::optional<std::int64_t> readCosts(const std::string& programFolder);

// Throw Error("Impossible d'écrire dans %s") with the options file's name.
void writeElectric(const std::string& programFolder, bool electric);
void writeExportFolder(const std::string& programFolder, const std::string& folder);
// Nothing empties the key.
void writeCosts(const std::string& programFolder, std::optional<std::int64_t> cents);

}  // namespace vardo
