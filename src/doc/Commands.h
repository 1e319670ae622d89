#pragma once

#include <cstdint>

// Command ids and screen indices: the vocabulary of the frame's dispatcher. This is the one
// list of command ids; everything else names them.
namespace kelvo {

using CommandId = std::uint32_t;

namespace cmd {
inline constexpr CommandId AdjustLine = 0x8000;
inline constexpr CommandId Start = 0x8020;
inline constexpr CommandId Settings = 0x8021;
inline constexpr CommandId Preparation = 0x8022;
inline constexpr CommandId RouteManStart = 0x8024;
inline constexpr CommandId StartRoute = 0x8025;
inline constexpr CommandId EndRoute = 0x8026;
inline constexpr CommandId WearerScreen = 0x8027;
inline constexpr CommandId SelectStop = 0x8028;
inline constexpr CommandId Undeliverable = 0x8029;
inline constexpr CommandId Instructions = 0x802A;
inline constexpr CommandId Arrived = 0x802B;
inline constexpr CommandId ScanScreen = 0x802D;
inline constexpr CommandId Settlement = 0x802E;
inline constexpr CommandId ContactScreen = 0x802F;
inline constexpr CommandId InvoiceSelect = 0x8030;
inline constexpr CommandId StopInstructions = 0x8031;
inline constexpr CommandId Departed = 0x8032;
inline constexpr CommandId InvoiceOk = 0x8033;
inline constexpr CommandId Order = 0x8035;
inline constexpr CommandId LineOk = 0x8036;
inline constexpr CommandId LineCancel = 0x8037;
inline constexpr CommandId Back = 0x8038;
inline constexpr CommandId Next = 0x8039;
inline constexpr CommandId InfoOk = 0x803A;
inline constexpr CommandId ContactSave = 0x803C;
inline constexpr CommandId ContactCancel = 0x803D;
inline constexpr CommandId ContactAdd = 0x803E;
inline constexpr CommandId VoiceRecorder = 0x803F;
inline constexpr CommandId SafetySave = 0x8040;
inline constexpr CommandId SafetyCancel = 0x8041;
inline constexpr CommandId SafetyPage = 0x8042;
inline constexpr CommandId ExportFiles = 0x8043;
inline constexpr CommandId SettingsOk = 0x8044;
inline constexpr CommandId SettingsCancel = 0x8045;
inline constexpr CommandId ContactPerson = 0x8046;
inline constexpr CommandId AgingInfo = 0x8047;
inline constexpr CommandId ScanOk = 0x8048;
inline constexpr CommandId ScanCancel = 0x8049;
inline constexpr CommandId FlagMode = 0x804A;
inline constexpr CommandId ReplaceMode = 0x804B;
inline constexpr CommandId AddWearer = 0x804C;
inline constexpr CommandId MakeALike = 0x804D;
inline constexpr CommandId AddProduct = 0x804E;
inline constexpr CommandId QuitWearer = 0x804F;
inline constexpr CommandId Exchange = 0x8050;
inline constexpr CommandId ChangeQuantity = 0x8051;
inline constexpr CommandId QuitProduct = 0x8052;
inline constexpr CommandId WearerPage2 = 0x8053;
inline constexpr CommandId AddProductPage2 = 0x8054;
inline constexpr CommandId StoreProduct = 0x8055;
inline constexpr CommandId WorkOrderSave = 0x8056;
inline constexpr CommandId SelectSizes = 0x8057;
inline constexpr CommandId WorkOrder = 0x8058;
inline constexpr CommandId AddSizedProduct = 0x8059;
inline constexpr CommandId QuantityNext = 0x805A;
inline constexpr CommandId CancelTransaction = 0x805B;
inline constexpr CommandId NewService = 0x805C;
inline constexpr CommandId ServiceAdd = 0x805D;
inline constexpr CommandId ServiceDelete = 0x805E;
inline constexpr CommandId ServiceSave = 0x805F;
inline constexpr CommandId ServiceCancel = 0x8060;
inline constexpr CommandId OrderDetailSave = 0x8061;
inline constexpr CommandId OrderDetailCancel = 0x8062;
inline constexpr CommandId InventoryChangeSave = 0x8065;
inline constexpr CommandId InventoryChangeCancel = 0x8066;
inline constexpr CommandId Receipt = 0x8067;
inline constexpr CommandId DayRecap = 0x8068;
inline constexpr CommandId RecapPdf = 0x8069;
}  // namespace cmd

namespace screen {
inline constexpr int None = -1;
inline constexpr int Start = 0;
inline constexpr int RouteMan = 1;
inline constexpr int RouteSelect = 2;
inline constexpr int StopSelect = 3;
inline constexpr int StopAction = 4;
inline constexpr int InvDetails = 5;
inline constexpr int InvAdjLine = 6;
inline constexpr int Contact = 7;
inline constexpr int Safety = 8;
inline constexpr int Settings = 9;
inline constexpr int ContactPerson = 10;
inline constexpr int StopInfo = 11;
inline constexpr int InvSelect = 12;
inline constexpr int Scan = 13;
inline constexpr int Wearer = 14;
inline constexpr int WearerProduct = 15;
inline constexpr int AddWearer = 16;
inline constexpr int AddNextWearer = 17;
inline constexpr int AddProduct = 18;
inline constexpr int WorkOrder = 19;
inline constexpr int SelectSize = 20;
inline constexpr int ExchangeProd = 21;
inline constexpr int ChangeQty = 22;
inline constexpr int NewServices = 23;
inline constexpr int AddNewService = 24;
inline constexpr int InvDudDetail = 25;
inline constexpr int Unused = 26;
inline constexpr int InventoryChange = 27;
inline constexpr int DayRecap = 28;
inline constexpr int Count = 29;
}  // namespace screen

}  // namespace kelvo
