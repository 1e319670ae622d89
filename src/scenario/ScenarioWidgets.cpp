#include "scenario/ScenarioWidgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTreeView>
#include <algorithm>

#include "common/Text.h"
#include "scenario/ScenarioScript.h"

namespace kelvo::scenario {

namespace {

// The text of a label as @"Label" matches it: mnemonics resolved, no trailing ':'.
QString labelKey(const QString& text) {
    QString key = withoutMnemonics(text).trimmed();
    if (key.endsWith(QLatin1Char(':'))) {
        key.chop(1);
    }
    return key.trimmed();
}

// A tab widget is selected and read through its tab bar.
QWidget* unwrap(QWidget* widget) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        return tabs->tabBar();
    }
    return widget;
}

// The column that holds a row's text: the list's model column, else the first shown column.
int firstColumn(QAbstractItemView* view) {
    if (auto* list = qobject_cast<QListView*>(view)) {
        return list->modelColumn();
    }
    const int columns = view->model()->columnCount(view->rootIndex());
    for (int c = 0; c < columns; ++c) {
        auto* tree = qobject_cast<QTreeView*>(view);
        auto* table = qobject_cast<QTableView*>(view);
        if (!(tree && tree->isColumnHidden(c)) && !(table && table->isColumnHidden(c))) {
            return c;
        }
    }
    return 0;
}

QString cellText(QAbstractItemView* view, int row, int column) {
    return view->model()->index(row, column, view->rootIndex()).data(Qt::DisplayRole).toString();
}

// The Qt key a character is typed with (letters by their capital, as on a keyboard).
int keyOf(QChar ch) {
    if (ch == QLatin1Char('\n')) {
        return Qt::Key_Return;
    }
    if (ch == QLatin1Char('\t')) {
        return Qt::Key_Tab;
    }
    const QChar upper = ch.toUpper();
    return upper.unicode() <= 0xFF ? upper.unicode() : ch.unicode();
}

}  // namespace

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string quoted(const QString& text) {
    return kelvo::quoteText(text.toUtf8().toStdString());
}

QString withoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            out += QLatin1Char('&');
            ++i;
        }
    }
    return out;
}

QList<QWidget*> findWidgets(QWidget* scope, const WidgetRef& ref) {
    QList<QWidget*> found;
    if (!scope) {
        return found;
    }
    QList<QWidget*> all{scope};
    all += scope->findChildren<QWidget*>();
    const QString wanted = QString::fromUtf8(ref.text.data(), qsizetype(ref.text.size()));
    for (QWidget* w : all) {
        QWidget* match = nullptr;
        switch (ref.by) {
            case WidgetRef::By::Name:
                if (w->objectName() == wanted) {
                    match = w;
                }
                break;
            case WidgetRef::By::Caption:
                if (auto* b = qobject_cast<QAbstractButton*>(w);
                    b && withoutMnemonics(b->text()) == wanted) {
                    match = w;
                }
                break;
            case WidgetRef::By::Label:
                if (auto* l = qobject_cast<QLabel*>(w);
                    l && l->buddy() && labelKey(l->text()) == wanted) {
                    match = l->buddy();
                }
                break;
            case WidgetRef::By::None:
                break;
        }
        if (match && !found.contains(match)) {
            found.append(match);
        }
    }
    return found;
}

QString shownText(QWidget* widget, bool& known) {
    known = true;
    widget = unwrap(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich) {
            return QTextDocumentFragment::fromHtml(text).toPlainText();
        }
        // Only a label with a buddy reads "&" as a mnemonic.
        return label->buddy() ? withoutMnemonics(text) : text;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return withoutMnemonics(button->text());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* edit = qobject_cast<QTextEdit*>(widget)) {
        return edit->toPlainText();
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        return edit->toPlainText();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        return spin->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return withoutMnemonics(group->title());
    }
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        return withoutMnemonics(bar->tabText(bar->currentIndex()));
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
        return view->currentIndex().data(Qt::DisplayRole).toString();
    }
    known = false;
    return QString();
}

int rowCount(QWidget* widget) {
    widget = unwrap(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->count();
    }
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        return bar->count();
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        return view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
    }
    return -1;
}

QStringList rowCells(QWidget* widget, int row) {
    QStringList cells;
    if (row < 0 || row >= rowCount(widget)) {
        return cells;
    }
    widget = unwrap(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        cells << combo->itemText(row);
    } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        cells << withoutMnemonics(bar->tabText(row));
    } else if (auto* list = qobject_cast<QListView*>(widget)) {
        cells << cellText(list, row, list->modelColumn());
    } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        auto* tree = qobject_cast<QTreeView*>(view);
        auto* table = qobject_cast<QTableView*>(view);
        const int columns = view->model()->columnCount(view->rootIndex());
        for (int c = 0; c < columns; ++c) {
            if ((tree && tree->isColumnHidden(c)) || (table && table->isColumnHidden(c))) {
                continue;  // a hidden column is no part of what the driver sees
            }
            cells << cellText(view, row, c);
        }
    }
    return cells;
}

QList<int> selectedRows(QWidget* widget) {
    QList<int> rows;
    widget = unwrap(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->currentIndex() >= 0) {
            rows << combo->currentIndex();
        }
    } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        if (bar->currentIndex() >= 0) {
            rows << bar->currentIndex();
        }
    } else if (auto* view = qobject_cast<QAbstractItemView*>(widget);
               view && view->selectionModel()) {
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes()) {
            if (index.parent() == view->rootIndex() && !rows.contains(index.row())) {
                rows << index.row();
            }
        }
        std::sort(rows.begin(), rows.end());
    }
    return rows;
}

int findRow(QWidget* widget, const QString& text) {
    auto* view = qobject_cast<QAbstractItemView*>(unwrap(widget));
    const int count = rowCount(widget);
    for (int row = 0; row < count; ++row) {
        const QString first =
            view ? cellText(view, row, firstColumn(view)) : rowCells(widget, row).value(0);
        if (first == text) {
            return row;
        }
    }
    return -1;
}

bool selectRow(QWidget* widget, int row) {
    if (row < 0 || row >= rowCount(widget)) {
        return false;
    }
    widget = unwrap(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(row);
        emit combo->activated(row);
        emit combo->textActivated(combo->itemText(row));
        return true;
    }
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        emit bar->tabBarClicked(row);
        bar->setCurrentIndex(row);
        return true;
    }
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    if (!view) {
        return false;
    }
    const QModelIndex index = view->model()->index(row, firstColumn(view), view->rootIndex());
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    const QRect visible = rect.intersected(view->viewport()->rect());
    if (!visible.isEmpty()) {
        tap(view->viewport(), visible.center());
    }
    if (view->currentIndex().row() != row || view->currentIndex().parent() != view->rootIndex()) {
        // The row could not be tapped (not laid out, covered): do what the tap does.
        view->setCurrentIndex(index);
        emit view->pressed(index);
        emit view->clicked(index);
    }
    return true;
}

void tap(QWidget* widget, const QPoint& at) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void pressKey(QWidget* widget, int key, const QString& text) {
    // QTest offers the key to the shortcut map first, so a key bound to an action of the
    // active window (F1: the screen's help) triggers it as a real key does.
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(key), text, Qt::NoModifier);
}

Typing typeInto(QWidget* widget, const QString& text) {
    QWidget* target = widget;
    bool readOnly = false;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (!combo->isEditable() || !combo->lineEdit()) {
            return Typing::NotAnEdit;  // a drop-down list is chosen from, not typed into
        }
        target = combo->lineEdit();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        readOnly = spin->isReadOnly();
        target = spin->findChild<QLineEdit*>();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        readOnly = readOnly || edit->isReadOnly();
    } else if (auto* edit = qobject_cast<QTextEdit*>(target)) {
        readOnly = edit->isReadOnly();
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) {
        readOnly = edit->isReadOnly();
    } else {
        return Typing::NotAnEdit;
    }
    if (readOnly) {
        return Typing::ReadOnly;
    }

    activate(widget);
    widget->setFocus(Qt::MouseFocusReason);  // the tap into the field
    bool hadText = false;
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        hadText = !edit->text().isEmpty();
        edit->selectAll();
    } else if (auto* edit = qobject_cast<QTextEdit*>(target)) {
        hadText = !edit->toPlainText().isEmpty();
        edit->selectAll();
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) {
        hadText = !edit->toPlainText().isEmpty();
        edit->selectAll();
    }
    if (text.isEmpty()) {
        if (hadText) {
            pressKey(target, Qt::Key_Backspace);
        }
    } else {
        // The first character replaces the selected old text, as it does on the screen.
        for (QChar ch : text) {
            pressKey(target, keyOf(ch), QString(ch));
        }
    }
    // Leaving the field runs the screen's focus-out checks.
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == widget || focus == target || widget->isAncestorOf(focus))) {
        focus->clearFocus();
    }
    return Typing::Typed;
}

void drawStroke(QWidget* widget) {
    const int w = std::max(widget->width(), 10);
    const int h = std::max(widget->height(), 10);
    QList<QPoint> points;
    constexpr int kSteps = 12;
    for (int i = 0; i <= kSteps; ++i) {
        // A zig-zag from left to right, like a quick signature.
        const int x = w / 10 + (w * 8 / 10) * i / kSteps;
        const int y = (i % 2 == 0) ? h * 6 / 10 : h * 3 / 10;
        points << QPoint(x, y);
    }
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, points.front());
    for (qsizetype i = 1; i < points.size(); ++i) {
        QTest::mouseMove(widget, points[i]);  // with the button held: a move with the pen down
    }
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, points.back());
}

bool isSignatureControl(QWidget* widget) {
    return widget->inherits("kelvo::CInkControl") ||
           widget->objectName() == QLatin1String("signature");
}

void activate(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
}

}  // namespace kelvo::scenario
