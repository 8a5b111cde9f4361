#pragma once
// The header fields above the pages, in two frames without captions: the accounting year, and
// the vehicle, its year and its horsepower.
#include <vector>

class QWidget;
class TAlignEdit;

namespace vardo::app {

struct HeaderField {
    TAlignEdit* edit;
    int maxLength;  // 0: no limit
    bool digitsOnly;
};

std::vector<HeaderField> buildHeaderFields(QWidget* client);

}  // namespace vardo::app
