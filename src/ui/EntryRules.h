#pragma once

class QLineEdit;
class QPlainTextEdit;

// What entry fields take: only what the data files can hold, so that nothing typed is changed
// silently on its way into a file.
namespace kelvo {

// Whole numbers of at most `digits` digits, with a leading minus where negative ones are
// allowed.
void acceptWholeNumbers(QLineEdit* edit, int digits, bool negative);

// An amount of money: up to nine digits and at most two decimals.
void acceptAmount(QLineEdit* edit);

// Free text: printable ISO-8859-1 characters, at most maxLength of them.
void acceptFileText(QLineEdit* edit, int maxLength);

// Free text of several lines: printable ISO-8859-1 characters, tabs and line breaks; any other
// character is taken out as soon as it is typed or pasted.
void acceptFileText(QPlainTextEdit* edit);

}  // namespace kelvo
