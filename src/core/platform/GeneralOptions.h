#pragma once

// The program-wide display options of the General Options sheet, in force for the whole
// process: read wherever a deal's vulnerability is drawn.
bool IsVulnerabilityInColour();
void SetVulnerabilityInColour(int inColour);

// The stored value (section "Options"), shown in colour when nothing is stored. Loading also
// puts the value in force; saving stores it and puts it in force.
int LoadVulnerabilityInColour();
void SaveVulnerabilityInColour(int inColour);
