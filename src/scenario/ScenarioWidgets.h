#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <string>

#include "scenario/ScenarioStep.h"

class QWidget;

// How the scenario player finds, reads and handles widgets the way a driver would: by the
// texts on the screen, with taps and key presses sent as events through Qt Test.
namespace kelvo::scenario {

// A text of the scenario (UTF-8) as Qt holds it.
QString fromUtf8(const std::string& text);

// A text of the screen in double quotes, escaped, for a report (UTF-8).
std::string quoted(const QString& text);

// The text as Qt draws a mnemonic caption: "&&" becomes "&", a single "&" disappears.
QString withoutMnemonics(const QString& text);

// The widgets below `scope` (itself included) that `ref` names, visible or not, in the order
// of the widget tree.
QList<QWidget*> findWidgets(QWidget* scope, const WidgetRef& ref);

// The text a person reads on the widget (label, edit, combo box, button, group box, tab bar,
// list); false in `known` for a widget that shows no text of its own.
QString shownText(QWidget* widget, bool& known);

// Rows or entries of a list, table, tree, combo box or tab bar; -1 for other widgets.
int rowCount(QWidget* widget);

// The cells of a row, as shown (hidden columns left out); empty for a row that is not there.
QStringList rowCells(QWidget* widget, int row);

// Rows or entries that are selected (for combo boxes and tab bars the current one).
QList<int> selectedRows(QWidget* widget);

// Row of the first entry whose first column reads `text` (trees searched in depth); -1 if none.
int findRow(QWidget* widget, const QString& text);

// Selects row `row` as a tap would: a click on the row of a list, table or tree (set current
// and the click signals when the row cannot be tapped), the entry of a combo box or the tab
// of a tab bar with their activation signals. False when the widget has no such row.
bool selectRow(QWidget* widget, int row);

// A tap (mouse press and release with the left button) at a point of the widget.
void tap(QWidget* widget, const QPoint& at);

// Presses and releases a key on the widget (event filters and the parents see it as well); a
// key bound to a shortcut of the active window triggers it instead, as on the screen.
void pressKey(QWidget* widget, int key, const QString& text = QString());

// What typing into a widget came to.
enum class Typing { Typed, ReadOnly, NotAnEdit };

// Replaces the text of an entry field as typed: focus in, everything selected, the characters
// keyed in one by one (so validators and the screens' edit signals see them), focus out.
// Line edits, text edits, editable combo boxes and spin boxes take typing.
Typing typeInto(QWidget* widget, const QString& text);

// Draws a pen stroke across the widget with mouse events.
void drawStroke(QWidget* widget);

// True for the signature control (class CInkControl, or objectName "signature").
bool isSignatureControl(QWidget* widget);

// Makes the widget's window the active one, so that focus and key handling work as on screen.
void activate(QWidget* widget);

}  // namespace kelvo::scenario
