#include "ui/FieldKind.h"

#include <QWidget>
#include <cstring>

namespace kelvo {

namespace {
constexpr FieldKind kKinds[] = {FieldKind::Digits, FieldKind::Number, FieldKind::Hex,
                                FieldKind::Text};
}  // namespace

Qt::InputMethodHints inputHints(FieldKind kind) {
    // Word guesses would put words into numbers and codes, and the data files take only
    // ISO-8859-1: no guesses anywhere, Latin letters first.
    const Qt::InputMethodHints common = Qt::ImhNoPredictiveText | Qt::ImhPreferLatin;
    switch (kind) {
        case FieldKind::Digits:
            return common | Qt::ImhDigitsOnly;
        case FieldKind::Number:
            // Qt's digit pad has neither a point nor a minus; the number pad has both.
            return common | Qt::ImhFormattedNumbersOnly;
        case FieldKind::Hex:
            return common | Qt::ImhUppercaseOnly | Qt::ImhPreferUppercase;
        case FieldKind::Text:
            break;
    }
    return common;
}

void setFieldKind(QWidget* field, FieldKind kind) {
    field->setInputMethodHints(inputHints(kind));
}

FieldKind fieldKindOf(Qt::InputMethodHints hints) {
    if (hints & Qt::ImhDigitsOnly) {
        return FieldKind::Digits;
    }
    if (hints & Qt::ImhFormattedNumbersOnly) {
        return FieldKind::Number;
    }
    if (hints & Qt::ImhUppercaseOnly) {
        return FieldKind::Hex;
    }
    return FieldKind::Text;
}

const char* fieldKindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Digits:
            return "digits";
        case FieldKind::Number:
            return "number";
        case FieldKind::Hex:
            return "hex";
        case FieldKind::Text:
            break;
    }
    return "text";
}

std::optional<FieldKind> fieldKindNamed(const char* name) {
    for (FieldKind kind : kKinds) {
        if (std::strcmp(fieldKindName(kind), name) == 0) {
            return kind;
        }
    }
    return std::nullopt;
}

}  // namespace kelvo
