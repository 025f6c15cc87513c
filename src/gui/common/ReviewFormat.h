#pragma once

#include <QString>
#include <string>

#include "gui/common/ReviewDisplay.h"

// The review's numbers and contracts in words. The ...Html forms colour the suit symbols as
// the hands do (hearts and diamonds red) for labels that show rich text; the plain forms
// carry the same symbols without colour, for tables, the clipboard and printing.

QString StrainSymbol(int strain);  // "♣" .. "♠", "NT"
QString StrainHtml(int strain);
QString CallHtml(int code);  // "1♠" with the symbol coloured, "P", "D", "RD"
QString ContractText(const ContractShown& contract);  // "4♠X by North", "Passed out"
QString ContractHtml(const ContractShown& contract);
// "makes 10 tricks", "down 2"; empty when passed out.
QString MadeText(const ResultShown& result);
// "makes 10 tricks, +420", "down 2, −200", "0" when passed out.
QString ResultText(const ResultShown& result);
// A score with its sign: "+420", "−200", "0".
QString SignedNumber(int value);
// A par contract as the solver writes it ("4S-NS", "5D*-EW-2") in words: "4♠ by North-South",
// "5♦X by East-West, down 2". Text it does not understand is shown as it is.
QString ParContractHtml(const std::string& contract);
QString ParContractText(const std::string& contract);
