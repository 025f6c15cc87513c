#include "CToolPrompts.h"
#include "Commands.h"

int RunImport(const CommandArguments&) {
    PrintError("import: not available yet");
    return 1;
}

int RunExport(const CommandArguments&) {
    PrintError("export: not available yet");
    return 1;
}

int RunConvert(const CommandArguments&) {
    PrintError("convert: not available yet");
    return 1;
}
