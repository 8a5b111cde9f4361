#pragma once
// The year as a CSV file for the accountant, which French spreadsheets open without an import
// step: UTF-8 with a byte-order mark, ";" between fields, CRLF, a decimal comma, fields quoted
// when they hold ";", a quote or a line break.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"
#include "tools/journal_check.h"
#include "tools/mileage_scale.h"

namespace vardo {

// The default file name: vardo_<année>.csv.
std::string accountantCsvName(const FormModel& form);

// The rows: the header block; the day table, one row per day whose evening is recorded and
// nothing else, so that a column's sum is the year's; the month table (Mois;Km professionnels;
// Km personnels, from each month's balance); the year's totals and coefficients ("Bilan"); and
// the allowance when it can be computed (electric: the car gets the 20 % more); every figure
// from one derivation of the readings; last, when the year keeps a journal, its fingerprint
// (Empreinte du journal;<hex>;<n> saisies;<date>), which lets anyone check later that the
// journal still passes through it. Throws Error on a figure that is not a whole number.
std::vector<std::vector<std::string>> accountantCsvRows(
    const FormModel& form, bool electric,
    const std::optional<JournalWitness>& journal = std::nullopt);

// A text typed by the user, so that a spreadsheet shows it as text and never as a formula: one
// starting with "=", "+", "-", "@", a tab or a carriage return gets an apostrophe before it.
std::string spreadsheetText(std::string_view text);

// One field as the CSV format needs it.
std::string csvField(std::string_view text);

// The file's bytes.
std::string accountantCsv(const FormModel& form, bool electric,
                          const std::optional<JournalWitness>& journal = std::nullopt);

// Writes the file, whole or not at all; throws Error("Impossible d'écrire dans %s").
void writeAccountantCsv(const FormModel& form, bool electric, const std::string& fileName,
                        const std::optional<JournalWitness>& journal = std::nullopt);

}  // namespace vardo
