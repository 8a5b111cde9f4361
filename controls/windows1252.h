#pragma once
// Text as the program's files hold it: Windows-1252, one byte a character.
#include <QByteArray>
#include <QString>

namespace vardo {

// Characters with no place in the code page become "?".
QByteArray toWindows1252(const QString& text);

}  // namespace vardo
