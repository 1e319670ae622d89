#pragma once

#include <Qt>
#include <optional>

class QWidget;

namespace kelvo {

// What an entry field takes, as the on-screen keyboard needs to know it: the one place that
// turns a field's kind into Qt's input-method hints, so that a number field opens a number pad.
enum class FieldKind {
    Digits,  // whole numbers from 0: quantities, wearer numbers (the digit pad)
    Number,  // amounts, mileage, whole numbers that may be negative (digits, point and minus)
    Hex,     // ID codes: upper-case letters and digits, no word guesses
    Text,    // names, initials, cheque numbers, remarks and notes
};

// The input-method hints of a kind.
Qt::InputMethodHints inputHints(FieldKind kind);

// Tells the keyboard what `field` takes (its input-method hints).
void setFieldKind(QWidget* field, FieldKind kind);

// The kind a field's hints ask for; a field that asks for nothing takes text.
FieldKind fieldKindOf(Qt::InputMethodHints hints);

// The kind's name in scenarios and messages: "digits", "number", "hex", "text".
const char* fieldKindName(FieldKind kind);
// The kind of a name, or nothing for an unknown name.
std::optional<FieldKind> fieldKindNamed(const char* name);

}  // namespace kelvo
