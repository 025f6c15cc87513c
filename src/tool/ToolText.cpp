#include "CToolPrompts.h"
#include "Commands.h"

int RunText(const CommandArguments&) {
    PrintError("text: not available yet");
    return 1;
}
