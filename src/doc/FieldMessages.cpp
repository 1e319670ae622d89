#include "doc/FieldMessages.h"

#include <algorithm>

#include "common/Text.h"
#include "common/Translate.h"
#include "doc/Outcome.h"
#include "model/NewService.h"

namespace kelvo {

namespace {

Message message(FieldProblem problem, int maxLength, int decimals) {
    switch (problem) {
        case FieldProblem::TooLong:
            return warning(tr("Max Length is ") + format("%d", maxLength),
                           tr("Invalid ID Code Length"));
        case FieldProblem::NotHex:
            return warning(tr("Valid chars are 0..9 and A..F!"), tr("Invalid ID Code"));
        case FieldProblem::NotPrice:
            return warning(tr("Invalid entered price!"), tr("Invalid data"));
        case FieldProblem::PriceTooBig:
            return warning(tr("Price is too big, maximal price is ") + largestPrice(decimals) + "!",
                           tr("Invalid data"));
        case FieldProblem::TooManyDecimals:
            // The price field keeps 0 to 10 decimals, whatever the configuration says.
            return warning(format(tr("Maximal %d decimals are allowed!").c_str(),
                                  std::clamp(decimals, 0, 10)),
                           tr("Invalid data"));
        case FieldProblem::NotDigits:
            break;
    }
    return warning(tr("Only numerical characters are allowed!"), tr("Error data"));
}

}  // namespace

FieldCheck fieldCheck(const FieldEntry& entry, int maxLength, int decimals) {
    FieldCheck check{entry.Text, {}};
    for (const FieldProblem problem : entry.Problems) {
        check.Messages.push_back(message(problem, maxLength, decimals));
    }
    return check;
}

}  // namespace kelvo
