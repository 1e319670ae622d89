#pragma once

#include "doc/Navigation.h"

// The rules of the wearer screen's commands in the screen table: chosen on the wearer screen,
// each checks the selection and the transactions before the frame moves on and tells the
// driver why it refuses; reached by Back from a later screen of its flow it leads back without
// asking again. Each sets the wearer-flow flags its screens go by.
namespace kelvo::wearer_rules {

// Wearers (0x8027): chosen on the stop actions it opens the list afresh; coming back from an
// action screen the list is shown as it was left.
CommandOutcome openWearers(CommandContext& c);
// Make-A-Like: needs a selected wearer; sets make-a-like.
CommandOutcome makeALike(CommandContext& c);
// Add Product: the wearer checks; sets product-only.
CommandOutcome addProduct(CommandContext& c);
// Exchange, Change Quantity: the product checks; mark the change in progress.
CommandOutcome exchange(CommandContext& c);
CommandOutcome changeQuantity(CommandContext& c);
// Quit Wearer, Quit Product, Cancel Transaction: checks, the question and the change; the
// wearer screen then shows the list again (stay when nothing changed).
CommandOutcome quitWearer(CommandContext& c);
CommandOutcome quitProduct(CommandContext& c);
CommandOutcome cancelTransaction(CommandContext& c);

}  // namespace kelvo::wearer_rules
