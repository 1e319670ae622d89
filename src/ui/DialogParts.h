#pragma once

class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

// Parts the dialogs of the screens share.
namespace kelvo {

// OK and Cancel for a dialog, finger-sized, wired to its accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

// The customer's name at the top of a dialog ("customerName"), bold, wrapped when long.
QLabel* customerHeadline(const QString& name, QWidget* parent);

// A finger-sized entry field `name` in row `row` of a grid, with its caption as buddy.
QLineEdit* labelledEdit(QGridLayout* grid, int row, const QString& caption, const QString& name,
                        QWidget* parent);

}  // namespace kelvo
