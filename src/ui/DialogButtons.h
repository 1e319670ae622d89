#pragma once

class QDialog;
class QDialogButtonBox;

namespace kelvo {

// OK and Cancel for a dialog, finger-sized, wired to its accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace kelvo
