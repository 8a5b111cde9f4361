#include "tools/tool_options.h"

#include "ledger/error.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"
#include "persist/options.h"
#include "tools/costs_comparison.h"

namespace vardo {
namespace {

std::string readKey(const std::string& programFolder, std::string_view key) {
    try {
        return IniFile::load(optionsFileName(programFolder)).readString(kToolsSection, key, "");
    } catch (const FileReadError&) {
        return {};
    }
}

void writeKey(const std::string& programFolder, std::string_view key, const std::string& value) {
    const std::string fileName = optionsFileName(programFolder);
    try {
        IniFile file = IniFile::load(fileName);
        file.writeString(kToolsSection, key, protectValue(value));
        if (file.changed()) file.save(fileName);
    } catch (const std::system_error&) {
        throw Error(formatMessage(std::string(kWriteFailure), fileName));
    }
}

}  // namespace

bool readElectric(const std::string& programFolder) {
    return readKey(programFolder, kElectricKey) == "1";
}

std::string readExportFolder(const std::string& programFolder) {
    return readKey(programFolder, kExportFolderKey);
}

std::optional<std::int64_t> readCosts(const std::string& programFolder) {
    try {
        return readEuros(readKey(programFolder, kCostsKey));
    } catch (const Error&) {
        return std::nullopt;
    }
}

void writeElectric(const std::string& programFolder, bool electric) {
    writeKey(programFolder, kElectricKey, electric ? "1" : "0");
}

void writeExportFolder(const std::string& programFolder, const std::string& folder) {
    writeKey(programFolder, kExportFolderKey, folder);
}

void writeCosts(const std::string& programFolder, std::optional<std::int64_t> cents) {
    writeKey(programFolder, kCostsKey, cents ? plainEuros(*cents) : std::string());
}

}  // namespace vardo
