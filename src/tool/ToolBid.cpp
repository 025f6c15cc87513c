#include "CToolPrompts.h"
#include "Commands.h"

int RunBid(const CommandArguments&) {
    PrintError("bid: not available yet");
    return 1;
}
