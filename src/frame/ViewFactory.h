#pragma once

namespace kelvo {

class CKelvoDoc;
class FormView;

// Creates the view of a screen index; nullptr for a screen that has no view.
FormView* createView(int screenIndex, CKelvoDoc& doc);

}  // namespace kelvo
