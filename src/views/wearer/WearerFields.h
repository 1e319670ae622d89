#pragma once

#include <QString>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kelvo {

class CKelvoDoc;

// The parts the wearer screens share: their compact forms of labelled fields, the headline
// with the wearer, and the entry rules of numbers and prices.

// A form of label and field rows, packed for the handheld's screen.
QFormLayout* fieldForm();
// A row of the form: `caption` as the buddy label of `field`, which gets the objectName
// `name`. Returns the label.
QLabel* addField(QFormLayout* form, const QString& caption, QWidget* field, const QString& name);
// An entry field of printable ISO-8859-1 text of at most maxLength characters.
QLineEdit* textEdit(int maxLength, QWidget* parent);
// An entry field of whole numbers of at most `digits` digits.
QLineEdit* numberEdit(int digits, QWidget* parent);
// A price field: digits with a point; while the driver types, a price of more than four digits
// before the point or more decimals than the configuration allows is refused and cut back.
QLineEdit* priceEdit(CKelvoDoc& doc, QWidget* parent);
// A drop-down list, editable when the driver may type into it.
QComboBox* choiceBox(bool editable, QWidget* parent);
// A multi-line remark of at most maxLength characters.
QPlainTextEdit* remarkEdit(int maxLength, QWidget* parent);
// The line under the title that names the wearer (bold, objectName `name`).
QLabel* wearerHeadline(const QString& name, QWidget* parent);

}  // namespace kelvo
