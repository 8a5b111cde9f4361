#pragma once
// The one guard at every event entry point: an error ends the handler and is shown in the error
// box (modal, critical, captioned "Vardo 1.0", an "OK" button); the program carries on.
#include <QString>
#include <exception>
#include <functional>
#include <string>

#include "ledger/error.h"
#include "ledger/version.h"

class QWidget;

namespace vardo::app {

// Shows a box text. Tests replace it to observe the boxes without a modal loop.
using ErrorPresenter = std::function<void(const QString& text)>;
void setErrorPresenter(ErrorPresenter presenter);  // an empty one restores the box
void setErrorBoxParent(QWidget* parent);
// Nobody is at the screen (a close by a signal or by the end of the session): every box text
// goes to the standard error output instead, and nothing waits.
void setUnattended(bool unattended);
bool unattended();

// The error's message with the full-stop rule applied, shown at once.
void showError(const std::string& message);
// The same, once the current event has been handled (from inside focus changes, where a nested
// modal loop would disturb the focus being moved).
void showErrorLater(const std::string& message);

// The default presenter: the critical message box.
void showErrorBox(QWidget* parent, const QString& text);

// Runs one handler; returns false when it failed (and its error has been shown).
template <class Handler>
bool guarded(Handler&& handler, bool later = false) noexcept {
    try {
        handler();
        return true;
    } catch (const vardo::Error& error) {
        later ? showErrorLater(error.what()) : showError(error.what());
    } catch (const std::exception& error) {
        later ? showErrorLater(error.what()) : showError(error.what());
    } catch (...) {
        later ? showErrorLater("Erreur inconnue") : showError("Erreur inconnue");
    }
    return false;
}

}  // namespace vardo::app
