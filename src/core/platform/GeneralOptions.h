#pragma once

// The program-wide options of the General Options sheet, in force for the whole process.

// Whether a deal's vulnerability is drawn in colour; read wherever a vulnerability is drawn.
bool IsVulnerabilityInColour();
void SetVulnerabilityInColour(int inColour);

// The stored value (section "Options"), shown in colour when nothing is stored. Loading also
// puts the value in force; saving stores it and puts it in force.
int LoadVulnerabilityInColour();
void SaveVulnerabilityInColour(int inColour);

// Whether the bidding table shows the review (double-dummy tricks, par, score) once the
// auction is complete; classes that want it hidden turn it off. Shown when nothing is stored;
// loaded and saved as above.
bool IsReviewShown();
void SetReviewShown(int shown);
int LoadReviewShown();
void SaveReviewShown(int shown);
