#pragma once

namespace kelvo {

class CKelvoDoc;

// Readies the device when the start screen opens: installs the bold font the program carries
// ("\Program Files\Kelvo\tahomabd.ttf") for the device's dialogs, and makes the "\VexXml"
// folder the day's files live in. Either may fail quietly: without the font the dialogs use
// their usual one, and a missing folder is found and reported by the start data check.
void prepareDevice(CKelvoDoc& doc);

// Finds the data: settles a move of the data folder that a crash cut short, then takes the
// storage location from the properties file into the document, and finishes an export, import
// or restore that a crash cut short. A location that cannot name a folder is reported (naming
// the properties file) and the device root is used.
void openStorage(CKelvoDoc& doc);

// Reads the configuration from the data folder (or the import folder) into the document.
// False when neither holds a readable Config.xml.
bool loadConfiguration(CKelvoDoc& doc);

// Compares the data version with the program's; on a mismatch shows the version message
// ("Abort Application") and returns false.
bool checkVersion(CKelvoDoc& doc);

// The start data check behind Start on the start screen: the temporary files a crash left
// behind are removed and a transfer a crash cut short is finished, then configuration, data
// version, import (or restore) of the day's files, routes, master lists, and a settlement a
// crash cut short is completed. True when the data are ready for the route-driver screen; false
// after a message that says why not.
bool startDataCheck(CKelvoDoc& doc);

// Shows "No data available." with "Please import files first!".
void showNoDataMessage(CKelvoDoc& doc);

}  // namespace kelvo
