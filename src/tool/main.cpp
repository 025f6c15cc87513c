#include <cstdio>
#include <cstring>
#include <string>

#include "CToolPrompts.h"
#include "Commands.h"
#include "core/platform/Prompts.h"
#include "platform/QtPlatform.h"

namespace {
const char kUsage[] =
    "usage: lvtool COMMAND ...\n"
    "  text FILE                 the text of every bidding session (a document or a deal file)\n"
    "  bid DOC.lv --session NAME --deal NAME [--player north|south] [--save] [CALL ...]\n"
    "  import DEALFILE -o DOC.lv [--session NAME] [--north NAME] [--south NAME]\n"
    "                            [--pbn-info line|brace|tag]\n"
    "  export DOC.lv OUTFILE [--session NAME] [--with-auctions]\n"
    "  convert INFILE OUTFILE\n"
    "  review FILE [--session NAME] [--deal NAME] [--format text|json]\n"
    "                            double-dummy tricks, par and the score of each auction\n";

struct Command {
    const char* name;
    int (*run)(const CommandArguments&);
};

const Command kCommands[] = {
    {"text", RunText},     {"bid", RunBid},         {"import", RunImport},
    {"export", RunExport}, {"convert", RunConvert}, {"review", RunReview},
};
}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc >= 2) {
        for (const Command& command : kCommands) {
            if (std::strcmp(argv[1], command.name) == 0) {
                InstallQtPlatform();
                CToolPrompts prompts;
                SetPrompts(&prompts);
                return command.run(CommandArguments(argv + 2, argv + argc));
            }
        }
    }
    std::fputs(kUsage, stderr);
    return 1;
}
