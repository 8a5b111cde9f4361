// Random sessions of a user: readings and initial readings typed or cleared, boxes left, the
// year changed, corrections entered and ended, the program restarted from its stored file.
// After every action that recounts, every computed field is the derivation of the typed fields
// from scratch; an action whose recount fails changes nothing.
//
// VARDO_SESSIONS sets how many sessions run (a few thousand by default).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ledger/calendar.h"
#include "ledger/dates.h"
#include "ledger/error.h"
#include "ledger/ledger.h"
#include "persist/form_store.h"

namespace vardo {
namespace {

int sessionCount() {
    const char* wanted = std::getenv("VARDO_SESSIONS");
    return wanted ? std::atoi(wanted) : 3000;
}

std::vector<std::string> everyText(const FormModel& form) {
    std::vector<std::string> texts;
    for (FieldId f = 0; f < kFieldCount; ++f) texts.push_back(form.text(f));
    for (int panel = 0; panel < kStatusPanels; ++panel) texts.push_back(form.panel(panel));
    return texts;
}

class Session {
public:
    explicit Session(unsigned seed) : random_(seed) {
        todayYear_ = pick({2024, 2025, 2026, 2028});
        start();
        form_->setText(headerField(Header::Comptabilite),
                       std::to_string(pick({2023, 2024, 2025, 2026, 2100, 2000})));
    }

    // One action; returns what went wrong, empty when the figures agree.
    std::string act() {
        const int choice = below(100);
        if (choice < 40) return typeReading();
        if (choice < 50) return typeInitialReading();
        if (choice < 80) return leave(randomTriggerField());
        if (choice < 85) return changeYear();
        if (choice < 93) return correct();
        if (choice < 96) return restart();
        return leave(morningField(below(kMonths), 1 + below(28)), false);
    }

    std::string history() const { return log_; }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int pick(std::initializer_list<int> values) {
        return *(values.begin() + below(static_cast<int>(values.size())));
    }

    void start() {
        ledger_.reset();  // it watches the form it was made for
        form_ = std::make_unique<FormModel>();
        ledger_ = std::make_unique<Ledger>(*form_, Regional{','}, [this] {
            return toDateTime(todayYear_, 6, 15);
        });
        ledger_->startupUnlockPass();
    }

    // Odometer readings that mostly go forward, now and then backwards, empty or out of range.
    std::string reading() {
        const int kind = below(100);
        if (kind < 12) return "0";
        if (kind < 14) return "";
        if (kind < 15) return "2147483647";
        if (kind < 16) return "-2147483648";
        if (kind < 20) return std::to_string(10000 + below(2000));
        odometer_ += below(300);
        return std::to_string(odometer_);
    }

    int randomDay(int month) { return 1 + below(monthInfo(month).dayRows); }

    std::string typeInto(FieldId id, const std::string& text) {
        log_ += "type " + form_->name(id) + "=" + text + "; ";
        if (form_->readOnly(id)) return {};  // the box refuses typing
        form_->setText(id, text, Origin::Typing);
        return {};
    }
    std::string typeReading() {
        const int m = below(kMonths), d = randomDay(m);
        return typeInto(below(2) ? eveningField(m, d) : morningField(m, d), reading());
    }
    std::string typeInitialReading() {
        return typeInto(balanceField(below(kMonths), Balance::KMIn), reading());
    }

    FieldId randomTriggerField() {
        const int m = below(kMonths);
        if (below(6) == 0) return balanceField(m, Balance::KMIn);
        return eveningField(m, randomDay(m));
    }

    // Runs an action that recounts the year: it gives the derivation from scratch, or fails
    // with its message and changes nothing.
    // A month entered into correction shows "0" until the next exit that recounts.
    template <typename Action>
    std::string recounting(Action&& action, bool correction = false) {
        const std::vector<std::string> before = everyText(*form_);
        std::string failure;
        try {
            action();
        } catch (const Error& error) {
            failure = error.what();
        }
        const unsigned clearedMonths = correction ? ledger_->monthsAwaitingRecount() : 0U;
        if (!correction && failure.empty() && ledger_->monthsAwaitingRecount() != 0)
            return "an exit left months awaiting their recount";
        std::string expectedFailure;
        DerivedYear expected;
        try {
            expected = deriveYear(*form_, ledger_->calendarYear(), ',', clearedMonths);
        } catch (const Error& error) {
            expectedFailure = error.what();
        }
        if (failure != expectedFailure)
            return "failure \"" + failure + "\" where the derivation gives \"" + expectedFailure +
                   "\"";
        if (!failure.empty()) {
            if (!correction && everyText(*form_) != before)
                return "a failed recount changed a text";
            return {};
        }
        std::string wrong = brokenRule(expected, clearedMonths);
        expected.eachField([&](FieldId id, const std::string& text) {
            if (wrong.empty() && form_->text(id) != text)
                wrong = form_->name(id) + " shows \"" + form_->text(id) + "\", derived \"" +
                        text + "\"";
        });
        // The panels follow the coefficients' changes: until one changes, both coefficients
        // read "0" and the panels keep their design texts.
        const bool designPanels = form_->panel(kProfessionalPanel) == kProfessionalPanelDesign &&
                                  form_->panel(kPersonalPanel) == kPersonalPanelDesign;
        const bool zeroCoefficients = expected.coefPro == "0" && expected.coefPerso == "0";
        if (designPanels && !zeroCoefficients) wrong = "design panels beside a coefficient";
        if (designPanels) return wrong;
        if (wrong.empty() && form_->panel(kProfessionalPanel) != expected.professionalPanel)
            wrong = "panel " + form_->panel(kProfessionalPanel);
        if (wrong.empty() && form_->panel(kPersonalPanel) != expected.personalPanel)
            wrong = "panel " + form_->panel(kPersonalPanel);
        return wrong;
    }

    // What the derivation must give whatever the readings: a month's professional and personal
    // distances make up its total (the days chain from the initial reading to the final one),
    // its final reading is its last recorded evening and starts the next month, and the year
    // adds up the months.
    std::string brokenRule(const DerivedYear& y, unsigned clearedMonths) const {
        std::int64_t professional = 0, personal = 0;
        for (int m = 0; m < kMonths; ++m) {
            const MonthFigures& f = y.months[static_cast<std::size_t>(m)];
            const int last = (clearedMonths >> m & 1U) ? 0 : lastRecordedDay(*form_, m, y.year);
            if (f.lastDay != last) return "month " + std::to_string(m) + ": wrong last day";
            if (f.professionalKm + std::int64_t{f.personalKm} != f.totalKm)
                return "month " + std::to_string(m) + ": distances do not make up the total";
            if (last > 0 && f.final != form_->text(eveningField(m, last)))
                return "month " + std::to_string(m) + ": final reading is not the last evening";
            if (m + 1 < kMonths && f.recorded() &&
                y.months[static_cast<std::size_t>(m) + 1].initial != f.final)
                return "month " + std::to_string(m) + ": final reading not handed on";
            professional += f.professionalKm;
            personal += f.personalKm;
        }
        if (y.professional != std::to_string(professional) ||
            y.personal != std::to_string(personal))
            return "the year does not add up the months";
        return {};
    }

    // Leaving a morning field counts nothing; the other boxes left here recount.
    std::string leave(FieldId id, bool recounts = true) {
        log_ += "leave " + form_->name(id) + "; ";
        if (!recounts) {
            const std::vector<std::string> before = everyText(*form_);
            ledger_->leaveField(id);
            return everyText(*form_) == before ? std::string{} : "a morning's exit changed a text";
        }
        return recounting([&] { ledger_->leaveField(id); });
    }

    std::string changeYear() {
        typeInto(headerField(Header::Comptabilite),
                 below(8) == 0 ? "0" : std::to_string(pick({2023, 2024, 2025, 2000, 1900, 2028})));
        return leave(headerField(Header::Comptabilite));
    }

    std::string correct() {
        const int m = below(kMonths);
        log_ += "correction " + std::to_string(m) + "; ";
        const bool entering = !ledger_->inCorrection(m);
        const std::string wrong = recounting([&] { ledger_->pressCorrection(m); }, true);
        if (wrong.empty() && entering && !(ledger_->monthsAwaitingRecount() >> m & 1U))
            return "a month entered into correction is counted";
        return wrong;
    }

    std::string restart() {
        log_ += "restart; ";
        IniFile stored;
        saveValues(*form_, stored);
        const std::vector<std::string> before = everyText(*form_);
        start();
        loadValues(*form_, stored);
        for (FieldId f = 0; f < kFieldCount; ++f)
            if (form_->text(f) != before[static_cast<std::size_t>(f)])
                return "the restart changed " + form_->name(f);
        return {};
    }

    std::mt19937 random_;
    int todayYear_ = 2026;
    int odometer_ = 10000;
    std::unique_ptr<FormModel> form_;
    std::unique_ptr<Ledger> ledger_;
    std::string log_;
};

TEST(YearDerivationProperty, EveryRecountGivesTheDerivationFromScratch) {
    const int sessions = sessionCount();
    for (int s = 0; s < sessions; ++s) {
        Session session(static_cast<unsigned>(s));
        for (int action = 0; action < 40; ++action) {
            const std::string wrong = session.act();
            ASSERT_EQ(wrong, "") << "session " << s << ": " << session.history();
        }
    }
}

}  // namespace
}  // namespace vardo
