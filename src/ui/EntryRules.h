#pragma once

class QLineEdit;
class QPlainTextEdit;
class QString;

// What entry fields take: only what the data files can hold, so that nothing typed is changed
// silently on its way into a file.
namespace kelvo {

class Prompter;
struct FieldCheck;

// Whole numbers of at most `digits` digits, with a leading minus where negative ones are
// allowed.
void acceptWholeNumbers(QLineEdit* edit, int digits, bool negative);

// An amount of money: up to nine digits and at most two decimals.
void acceptAmount(QLineEdit* edit);

// Free text: printable ISO-8859-1 characters, at most maxLength of them.
void acceptFileText(QLineEdit* edit, int maxLength);

// An entry field's answer to a change the driver typed: the field keeps the text the check
// left (the cursor at its end when it differs from what was typed) and the check's messages
// are shown.
void applyFieldCheck(QLineEdit* edit, const QString& typed, const FieldCheck& check,
                     Prompter& prompter);

// Free text of several lines: printable ISO-8859-1 characters, tabs and line breaks; any other
// character is taken out as soon as it is typed or pasted.
void acceptFileText(QPlainTextEdit* edit);

}  // namespace kelvo
