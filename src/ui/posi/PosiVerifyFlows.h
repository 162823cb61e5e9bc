#pragma once
// Verifying the grid's positions against a position file or against the
// positions stored in the controller, with the result window or the OK
// message. The grid's data are never changed by a verification.
namespace PosiVerifyFlows {

// Against a file: 0 compared (result shown); 1 ended before comparing
// (cancelled, refused or failed, with any message already shown).
int VerifyPositionsWithFile();
// Against the controller, the same results.
int VerifyPositionsWithCt();

// The window's commands with their busy brackets.
void cmdPosiVerify_Click();
void cmdPosiVerifyCt_Click();

} // namespace PosiVerifyFlows
