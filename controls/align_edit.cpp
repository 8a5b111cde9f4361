#include "controls/align_edit.h"

TAlignEdit::TAlignEdit(QWidget* parent) : QLineEdit(parent) {}
