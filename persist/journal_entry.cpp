#include "persist/journal_entry.h"

#include <array>
#include <nlohmann/json.hpp>

namespace vardo {
namespace {

using Json = nlohmann::ordered_json;

struct EventName {
    JournalEvent event;
    std::string_view name;
};
constexpr std::array<EventName, 8> kEventNames{{
    {JournalEvent::Typed, "saisie"},
    {JournalEvent::Carried, "report"},
    {JournalEvent::CorrectionOpened, "correction"},
    {JournalEvent::CorrectionClosed, "fin de correction"},
    {JournalEvent::NewYear, "nouvelle année"},
    {JournalEvent::Opened, "ouverture"},
    {JournalEvent::Closed, "fermeture"},
    {JournalEvent::Loaded, "chargement"},
}};

bool isSingleChange(JournalEvent event) {
    return event == JournalEvent::Typed || event == JournalEvent::Carried;
}

bool carriesChanges(JournalEvent event) {
    return event == JournalEvent::Loaded || event == JournalEvent::NewYear;
}

[[noreturn]] void malformed(const std::string& what) {
    throw JournalLineError("entrée du journal invalide : " + what);
}

const Json& member(const Json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end()) malformed(std::string("« ") + key + " » manque");
    return *found;
}

std::string text(const Json& object, const char* key) {
    const Json& value = member(object, key);
    if (!value.is_string()) malformed(std::string("« ") + key + " » n'est pas un texte");
    return value.get<std::string>();
}

std::string optionalText(const Json& object, const char* key) {
    return object.contains(key) ? text(object, key) : std::string{};
}

JournalChange change(const Json& object) {
    if (!object.is_object()) malformed("un écart n'est pas un objet");
    return {text(object, "cle"), text(object, "avant"), text(object, "apres")};
}

}  // namespace

std::string_view journalEventName(JournalEvent event) {
    for (const EventName& entry : kEventNames) {
        if (entry.event == event) return entry.name;
    }
    return "?";
}

std::string journalLine(const JournalEntry& entry) {
    Json line;
    line["n"] = entry.sequence;
    line["date"] = entry.when;
    line["evt"] = journalEventName(entry.event);
    if (isSingleChange(entry.event) && !entry.changes.empty()) {
        line["cle"] = entry.changes.front().key;
        line["avant"] = entry.changes.front().before;
        line["apres"] = entry.changes.front().after;
    }
    if (!entry.month.empty()) line["mois"] = entry.month;
    if (!entry.reason.empty()) line["motif"] = entry.reason;
    if (!entry.archive.empty()) line["archive"] = entry.archive;
    if (carriesChanges(entry.event)) {
        Json changes = Json::array();
        for (const JournalChange& c : entry.changes)
            changes.push_back(Json{{"cle", c.key}, {"avant", c.before}, {"apres", c.after}});
        line["ecarts"] = std::move(changes);
    }
    line["prec"] = entry.previous;
    return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

JournalEntry parseJournalLine(std::string_view line) {
    Json object;
    try {
        object = Json::parse(line);
    } catch (const Json::exception&) {
        malformed("JSON illisible");
    }
    if (!object.is_object()) malformed("pas un objet JSON");
    JournalEntry entry;
    const Json& sequence = member(object, "n");
    if (!sequence.is_number_integer()) malformed("« n » n'est pas un entier");
    entry.sequence = sequence.get<std::int64_t>();
    entry.when = text(object, "date");
    const std::string event = text(object, "evt");
    bool known = false;
    for (const EventName& name : kEventNames) {
        if (name.name == event) entry.event = name.event, known = true;
    }
    if (!known) malformed("événement inconnu « " + event + " »");
    if (isSingleChange(entry.event)) {
        entry.changes.push_back(change(object));
    }
    if (carriesChanges(entry.event)) {
        const Json& changes = member(object, "ecarts");
        if (!changes.is_array()) malformed("« ecarts » n'est pas une liste");
        for (const Json& c : changes) entry.changes.push_back(change(c));
    }
    entry.month = optionalText(object, "mois");
    entry.reason = optionalText(object, "motif");
    entry.archive = optionalText(object, "archive");
    entry.previous = text(object, "prec");
    return entry;
}

}  // namespace vardo
