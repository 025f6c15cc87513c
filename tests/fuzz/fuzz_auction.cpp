// Any bytes read as a PBN [Auction] section (the first line the seat, the rest the section
// and its Note tags) give a reference auction or none, without crash or hang; a reference
// read back from its document text is the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "core/bidding/CReferenceAuction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = bytes.find('\n');
    const std::string seat = bytes.substr(0, lineEnd);
    const std::string section = lineEnd == std::string::npos ? "" : bytes.substr(lineEnd + 1);
    const std::map<std::string, std::string> notes = {{"1", "one"}, {"2", "two\r\nlines"}};
    const auto reference = CReferenceAuction::FromPbn(seat, section, notes);
    if (reference) {
        auto again = CReferenceAuction::FromFieldText(reference->GetFieldText());
        if (!again) {
            std::abort();
        }
        for (const CReferenceAuction::Note& note : reference->GetNotes()) {
            again->AddNote(note.callIndex, note.text);
        }
        if (!(*again == *reference)) {
            std::abort();
        }
    }
    CReferenceAuction::FromFieldText(bytes);
    return 0;
}
