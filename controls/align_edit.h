#pragma once
#include <QLineEdit>

// One-line edit box behind every figure and header field.
class TAlignEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TAlignEdit(QWidget* parent = nullptr);
};
