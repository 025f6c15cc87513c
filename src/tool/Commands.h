#pragma once

#include <string>
#include <vector>

// The commands of lvtool; each takes the arguments after its name and returns the exit code.
using CommandArguments = std::vector<std::string>;

int RunText(const CommandArguments& args);
int RunBid(const CommandArguments& args);
int RunImport(const CommandArguments& args);
int RunExport(const CommandArguments& args);
int RunConvert(const CommandArguments& args);
int RunReview(const CommandArguments& args);

class CToolDocument;

// Whether the name is a deal file's (by its extension).
bool IsDealFileName(const std::string& path);
// A new document with the deal file imported into one new session: 0, or the exit code
// after a message.
int ImportDealFile(const std::string& path, CToolDocument& document);
// FILE as lvtool text and review read it: a document, or a deal file imported into a new
// document. 0, or the exit code after a message.
int OpenDocumentOrDealFile(const std::string& path, CToolDocument& document);
// Bytes to standard output; false after a message when they cannot be written.
bool PrintBytes(const std::string& bytes);
