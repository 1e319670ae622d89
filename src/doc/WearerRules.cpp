#include "doc/WearerRules.h"

#include "doc/KelvoDoc.h"
#include "doc/WearerOps.h"

namespace kelvo::wearer_rules {

namespace {

// Shows what the change has to say; the screen goes on only when it was made.
CommandOutcome proceedIf(CKelvoDoc& doc, const WearerChange& change) {
    return showNotices(doc.Prompt(), change) ? CommandOutcome::proceed() : CommandOutcome::stay();
}

}  // namespace

CommandOutcome openWearers(CommandContext& c) {
    // Back from every action screen also leads here; only a new visit starts afresh.
    if (c.chosen) {
        c.doc.WearerData().ListState.Clear();
    }
    return CommandOutcome::proceed();
}

CommandOutcome makeALike(CommandContext& c) {
    if (c.chosen && !checkWearerSelected(c.doc)) {
        return CommandOutcome::stay();
    }
    // Chosen on the wearer screen it starts a flow of its own; Back from page 2 keeps the flow.
    if (c.chosen) {
        c.flags.productOnly = false;
        c.flags.wearerFlowResumed = false;
        c.flags.exchangeInProgress = false;
        c.flags.quantityChangeInProgress = false;
    }
    c.flags.makeALike = true;
    return CommandOutcome::proceed();
}

CommandOutcome addProduct(CommandContext& c) {
    if (!checkAddProduct(c.doc)) {
        return CommandOutcome::stay();
    }
    c.flags.productOnly = true;
    c.flags.makeALike = false;
    c.flags.exchangeInProgress = false;
    c.flags.quantityChangeInProgress = false;
    return CommandOutcome::proceed();
}

CommandOutcome exchange(CommandContext& c) {
    if (c.chosen && !checkProductAction(c.doc, ProductAction::Exchange)) {
        return CommandOutcome::stay();
    }
    c.flags.exchangeInProgress = true;
    return CommandOutcome::proceed();
}

CommandOutcome changeQuantity(CommandContext& c) {
    if (c.chosen && !checkProductAction(c.doc, ProductAction::ChangeQuantity)) {
        return CommandOutcome::stay();
    }
    c.flags.quantityChangeInProgress = true;
    c.flags.exchangeInProgress = false;
    return CommandOutcome::proceed();
}

CommandOutcome quitWearer(CommandContext& c) {
    const Answer answer = askFirst(c.doc.Prompt(), quitWearerQuestion(c.doc));
    return proceedIf(c.doc, kelvo::quitWearer(c.doc, answer));
}

CommandOutcome quitProduct(CommandContext& c) {
    const Answer answer = askFirst(c.doc.Prompt(), quitProductQuestion(c.doc));
    return proceedIf(c.doc, kelvo::quitProduct(c.doc, answer));
}

CommandOutcome cancelTransaction(CommandContext& c) {
    const Answer answer = askFirst(c.doc.Prompt(), cancelTransactionQuestion(c.doc));
    return proceedIf(c.doc, cancelSelectedTransaction(c.doc, answer));
}

}  // namespace kelvo::wearer_rules
