#include "app/fields/cp1252_validator.h"

#include <QApplication>

#include "persist/cp1252.h"

namespace vardo::app {

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    if (fitsCp1252(input.toStdString())) return Acceptable;
    QApplication::beep();
    return Invalid;
}

}  // namespace vardo::app
