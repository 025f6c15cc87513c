#include "core/defence/DefenceStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_DEFENCE_DEFAULTS + 0, "East"},
    {IDS_DEFENCE_DEFAULTS + 1, "West"},
    {IDS_DEFENCE_DEFAULTS + 2, "clubs"},
    {IDS_DEFENCE_DEFAULTS + 3, "diamonds"},
    {IDS_DEFENCE_DEFAULTS + 4, "hearts"},
    {IDS_DEFENCE_DEFAULTS + 5, "spades"},
    {IDS_DEFENCE_DEFAULTS + 6, "no trumps"},
    {IDS_DEFENCE_DEFAULTS + 7, "C"},
    {IDS_DEFENCE_DEFAULTS + 8, "D"},
    {IDS_DEFENCE_DEFAULTS + 9, "H"},
    {IDS_DEFENCE_DEFAULTS + 10, "S"},
    {IDS_DEFENCE_DEFAULTS + 11, "NT"},
    {IDS_DEFENCE_DEFAULTS + 12, "East opens 1S"},
    {IDS_DEFENCE_DEFAULTS + 13, "East bids spades"},
    {IDS_DEFENCE_DEFAULTS + 14, "East bids 4S"},
    {IDS_DEFENCE_DEFAULTS + 15, "East bids at most 4S"},
    {IDS_DEFENCE_DEFAULTS + 16, "East jumps in spades"},
    {IDS_DEFENCE_DEFAULTS + 17, "East jumps to 4S"},
    {IDS_DEFENCE_DEFAULTS + 18, "East jumps to at most 4S"},
    {IDS_DEFENCE_DEFAULTS + 19, "East supports spades"},
    {IDS_DEFENCE_DEFAULTS + 20, "East supports to 4S"},
    {IDS_DEFENCE_DEFAULTS + 21, "East supports to at most 4S"},
    {IDS_DEFENCE_DEFAULTS + 22, "East jump supports spades"},
    {IDS_DEFENCE_DEFAULTS + 23, "East jump supports to 4S"},
    {IDS_DEFENCE_DEFAULTS + 24, "East jump supports to at most 4S"},
    {IDS_DEFENCE_DEFAULTS + 25, "East doubles"},
    {IDS_DEFENCE_DEFAULTS + 26, "East prefers spades"},
};
}  // namespace

void RegisterDefenceStrings() {
    RegisterStringTable(kStrings);
}
