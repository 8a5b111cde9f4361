#include "tools/reading_checks.h"

#include <cstdint>
#include <optional>

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "ledger/calendar.h"
#include "tools/field_in_words.h"
#include "tools/french_format.h"

namespace vardo {
namespace {

// One field's text as a reading.
struct Reading {
    bool recorded = false;  // not "0"
    bool whole = true;      // readable as an integer (a "0" is)
    std::int32_t value = 0;

    bool usable() const { return recorded && whole; }
};

Reading readingOf(const FormModel& form, FieldId id) {
    Reading r;
    r.recorded = !form.isZero(id);
    if (!r.recorded) return r;
    try {
        r.value = readFigure(form.text(id));
    } catch (const Error&) {
        r.whole = false;
    }
    return r;
}

// The reading the next morning is compared with: the last recorded evening of the year so far,
// or the month's initial reading when no evening came before.
struct Previous {
    std::int32_t value = 0;
    FieldId field = -1;
    int month = 0;
    int day = 0;  // 0: the month's initial reading

    // Both nouns are masculine: "au ..." and "depuis le ..." read right with either.
    std::string noun() const {
        if (day == 0) return "kilométrage initial du mois (" + std::to_string(value) + ")";
        return "relevé du " + dayInWords(month, day) + " au soir (" + std::to_string(value) + ")";
    }
};

int dayOrdinal(int month, int day) { return month * 32 + day; }

// The ordinal of the last day of the year that holds any reading, 0 when none does.
int lastDayWithReading(const FormModel& form, int year) {
    for (int m = kMonths - 1; m >= 0; --m)
        for (int d = daysInMonth(m, year); d >= 1; --d)
            if (!form.isZero(morningField(m, d)) || !form.isZero(eveningField(m, d)))
                return dayOrdinal(m, d);
    return 0;
}

class Checker {
public:
    Checker(const FormModel& form, int calendarYear)
        : form_(form), year_(calendarYear), lastDay_(lastDayWithReading(form, calendarYear)) {}

    std::vector<Anomaly> run() {
        for (int m = 0; m < kMonths; ++m) checkMonth(m);
        checkYearWithoutEvening();
        return std::move(found_);
    }

private:
    void add(int month, int day, std::vector<FieldId> fields, std::string sentence) {
        found_.push_back({month, day, std::move(fields), std::move(sentence)});
    }

    void notWhole(int month, int day, FieldId id) {
        add(month, day, {id}, formatMessage(std::string(kNotAnInteger), form_.text(id)));
    }

    void checkMonth(int m) {
        const FieldId initialField = balanceField(m, Balance::KMIn);
        const Reading initial = readingOf(form_, initialField);
        if (!initial.whole) notWhole(m, 1, initialField);
        // The month's figures rest on its initial reading when it has a recorded day.
        const bool counted = lastRecordedDay(form_, m, year_) > 0;
        anyCounted_ = anyCounted_ || counted;
        if (counted && !initial.recorded) {
            add(m, 1, {initialField},
                "non saisi (0) alors que des jours du mois sont remplis, si bien que tout le "
                "compteur compte en kilomètres personnels");
        } else if (initial.usable() && (counted || (lastEvening_ && lastEvening_->month == m - 1))) {
            checkChain(m, initial.value, initialField, counted);
        }
        if (initial.usable()) {
            const Previous here{initial.value, initialField, m, 0};
            if (!yearStart_) yearStart_ = here;
            // The first morning's personal kilometres count from it.
            if (!previous_ || counted) previous_ = here;
        }
        for (int d = 1; d <= monthInfo(m).dayRows; ++d) checkDay(m, d);
    }

    // A month's initial reading goes on from the year's last evening, or from the year's first
    // initial reading: where it does not, the kilometres between count in the year's total
    // ("Km Total") but in neither of its parts.
    void checkChain(int m, std::int32_t initial, FieldId initialField, bool counted) {
        const std::optional<Previous>& before = lastEvening_ ? lastEvening_ : yearStart_;
        if (!before || before->value == initial) return;
        std::string sentence = std::to_string(initial) + " diffère du ";
        if (before->day == 0) {
            sentence += "kilométrage initial de l'année (" + std::to_string(before->value) + ", " +
                        monthInWords(before->month) + ")";
        } else {
            sentence += "dernier relevé du soir (" + std::to_string(before->value) + ", le " +
                        dayInWords(before->month, before->day) + ")";
        }
        const std::int64_t gap = std::int64_t{initial} - before->value;
        if (counted && gap < 0) sentence += " : le compteur recule";
        if (counted && gap > 0)
            sentence += " : " + groupedInteger(gap) +
                        " km ne sont comptés ni en professionnel ni en personnel";
        add(m, 1, {initialField, before->field}, sentence);
    }

    // With no evening recorded, the year's final reading is 0, so its total runs from its first
    // initial reading down to 0, while its two parts are 0.
    void checkYearWithoutEvening() {
        if (anyCounted_ || !yearStart_ || yearStart_->value == 0) return;
        Anomaly anomaly{yearStart_->month, 1, {yearStart_->field},
                        "aucun relevé du soir n'est saisi dans l'année : le total de l'année va "
                        "de ce relevé à 0 (" + groupedInteger(-std::int64_t{yearStart_->value}) +
                        " km)"};
        // In calendar order among the others.
        auto at = found_.begin();
        while (at != found_.end() && dayOrdinal(at->month, at->day) <= dayOrdinal(anomaly.month, 1))
            ++at;
        found_.insert(at, std::move(anomaly));
    }

    void checkDay(int m, int d) {
        const FieldId morningId = morningField(m, d);
        const FieldId eveningId = eveningField(m, d);
        const Reading morning = readingOf(form_, morningId);
        const Reading evening = readingOf(form_, eveningId);

        // A day the year does not have: its readings stay in the store and count nowhere.
        if (d > daysInMonth(m, year_)) {
            if (morning.recorded || evening.recorded) {
                add(m, d, {morning.recorded ? morningId : eveningId},
                    "l'année " + std::to_string(year_) +
                        " n'a pas de 29 février : ce relevé n'est compté nulle part");
            }
            return;
        }
        if (!morning.whole) notWhole(m, d, morningId);
        if (!evening.whole) notWhole(m, d, eveningId);

        if (morning.usable() && previous_) {
            const std::int64_t gap = std::int64_t{morning.value} - previous_->value;
            if (gap < 0) {
                add(m, d, {morningId, previous_->field},
                    "le compteur recule : le relevé (" + std::to_string(morning.value) +
                        ") est inférieur au " + previous_->noun());
            } else if (gap > kLargestPlausibleDistance) {
                add(m, d, {morningId, previous_->field},
                    "écart de " + groupedInteger(gap) + " km depuis le " + previous_->noun() +
                        ", plus de " + groupedInteger(kLargestPlausibleDistance) + " km");
            }
        }
        if (morning.usable() && evening.usable()) {
            const std::int64_t distance = std::int64_t{evening.value} - morning.value;
            if (distance < 0) {
                add(m, d, {eveningId, morningId},
                    "le relevé (" + std::to_string(evening.value) +
                        ") est inférieur au relevé du matin (" + std::to_string(morning.value) + ")");
            } else if (distance > kLargestPlausibleDistance) {
                add(m, d, {eveningId, morningId},
                    groupedInteger(distance) + " km dans la journée, plus de " +
                        groupedInteger(kLargestPlausibleDistance) + " km");
            }
        }
        if (morning.recorded && !evening.recorded && dayOrdinal(m, d) < lastDay_) {
            add(m, d, {eveningId, morningId},
                "relevé manquant, alors que le matin est saisi et que des jours suivants sont "
                "remplis");
        }
        if (evening.recorded && !morning.recorded) {
            add(m, d, {morningId, eveningId}, "relevé manquant, alors que le soir est saisi");
        }
        if (evening.usable()) {
            previous_ = Previous{evening.value, eveningId, m, d};
            lastEvening_ = previous_;
        }
    }

    const FormModel& form_;
    const int year_;  // whose calendar the ledger follows
    const int lastDay_;
    std::optional<Previous> previous_;
    std::optional<Previous> lastEvening_;  // the year's last recorded evening so far
    std::optional<Previous> yearStart_;    // the year's first initial reading other than "0"
    bool anyCounted_ = false;              // some month has a recorded day
    std::vector<Anomaly> found_;
};

}  // namespace

std::vector<Anomaly> checkReadings(const FormModel& form, int calendarYear) {
    return Checker(form, calendarYear).run();
}

std::string anomalyLine(const Anomaly& anomaly) {
    return fieldInWords(anomaly.fields.front()) + " : " + anomaly.sentence;
}

std::vector<std::string> anomalyLines(const std::vector<Anomaly>& found) {
    if (found.empty()) return {std::string(kNoAnomaly)};
    std::vector<std::string> lines;
    for (const Anomaly& anomaly : found) lines.push_back(anomalyLine(anomaly));
    return lines;
}

std::string protectedFieldSentence(const Anomaly& anomaly) {
    return "Le champ « " + fieldInWords(anomaly.fields.front()) +
           " » est protégé : le bouton « Corriger » de la page « " +
           std::string(monthInfo(anomaly.month).caption) + " » l'ouvre à la saisie.";
}

}  // namespace vardo
