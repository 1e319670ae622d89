#pragma once

namespace kelvo {

// kelvo check-in SENT RETURNED... [--json] [--pdf FILE]: checks in the folders that came back
// from the handhelds against the folder the office sent, prints the summary (or JSON) and
// writes the check-in sheet when asked. Runs without a display: the sheet is painted on Qt's
// offscreen platform. Returns 0 when the day checks in clean, 1 when it does not, 2 for a
// usage error (also when the sheet cannot be written). argv[1] is "check-in".
int checkInCommand(int argc, char** argv);

// The usage lines of the command.
const char* checkInUsage();

}  // namespace kelvo
