#pragma once
// Reading positions from the controller ("0RP", one per request) and
// writing them ("0WP" per position, then "0WA" to store the range).
namespace PosiTransfer {

// Reads PosiNoStart..PosiNoEnd into PosiDataRead: 0 done, 1 failed, 2
// cancelled by the user. Nothing is decoded unless every reply arrived
// whole; a damaged reply fails with a message and changes nothing.
int ReadPosidataFromCt();
// The read command with its busy bracket, and its flow.
int PosidataGetfromCt();
void PosidataGetfromCtProc();

// 0 when every position of the range is within the controller's maximum
// pulses; 1 when not (the check window was shown) or a request failed.
int CheckParametersBeforePositionWrite();
// Sends the range: 0 done, 1 failed, 2 cancelled ("0WA" still sent).
int WritePosidataToCt();
// The write command with its busy bracket, and its flow.
int PosidataLoadtoCt();
void PosidataLoadtoCtProc();

} // namespace PosiTransfer
