#pragma once
// The fields' texts are stored in Windows-1252: a character that code page cannot hold would
// come back as "?" after a restart. Such a character is refused where it is typed, pasted or
// composed: a beep, and the field keeps its text.
#include <QValidator>

namespace vardo::app {

class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace vardo::app
