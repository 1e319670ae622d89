#pragma once

namespace kelvo {

class CKelvoDoc;

// Reads the configuration from the data folder (or the import folder) into the document.
// False when neither holds a readable Config.xml.
bool loadConfiguration(CKelvoDoc& doc);

// Compares the data version with the program's; on a mismatch shows the version message
// ("Abort Application") and returns false.
bool checkVersion(CKelvoDoc& doc);

// The start data check behind Start on the start screen: configuration, data version,
// import (or restore) of the day's files, routes, master lists. True when the data are ready
// for the route-driver screen; false after a message that says why not.
bool startDataCheck(CKelvoDoc& doc);

// Shows "No data available." with "Please import files first!".
void showNoDataMessage(CKelvoDoc& doc);

}  // namespace kelvo
