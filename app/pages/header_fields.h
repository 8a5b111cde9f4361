#pragma once
// The header fields above the pages, in two frames without captions: the accounting year, and
// the vehicle, its year and its horsepower.
#include <vector>

class QWidget;

namespace vardo {
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

struct HeaderField {
    AlignedEdit* edit;
    int maxLength;  // 0: no limit
    bool digitsOnly;
};

std::vector<HeaderField> buildHeaderFields(QWidget* client);

}  // namespace vardo::app
