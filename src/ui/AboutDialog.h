#pragma once

#include <QDialog>

namespace kelvo {

// The About box: the program's name and its version (label 1201).
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace kelvo
