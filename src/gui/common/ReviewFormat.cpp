#include "gui/common/ReviewFormat.h"

#include <QRegularExpression>

#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/table/DealSummary.h"
#include "gui/common/QtText.h"
#include "gui/common/ReviewTexts.h"

namespace {

constexpr int kNoTrumps = 4;
const QString kMinus = QStringLiteral("\u2212");

bool IsRed(int strain) {
    return strain == 1 || strain == 2;
}

QString SeatName(int seat) {
    std::string name;
    GetSeatName(name, seat, 0);
    return FromBytes(name);
}

// The symbol, or "NT", with a suffix, red where the suit is red.
QString Coloured(int strain, const QString& symbol) {
    return IsRed(strain) ? QStringLiteral("<span style=\"color:#dc0000\">%1</span>").arg(symbol)
                         : symbol;
}

QString DoubledMark(int doubled) {
    return doubled == 2 ? QStringLiteral("XX") : doubled == 1 ? QStringLiteral("X") : QString();
}

QString By(const QString& who) {
    return QLatin1Char(' ') + ReviewText(IDS_REVIEW_BY) + QLatin1Char(' ') + who;
}

QString Contract(const ContractShown& contract, bool html) {
    if (contract.level == 0) {
        return ReviewText(IDS_REVIEW_PASSED_OUT);
    }
    const QString strain = html ? StrainHtml(contract.strain) : StrainSymbol(contract.strain);
    return QString::number(contract.level) + strain + DoubledMark(contract.doubled) +
           By(SeatName(contract.declarer));
}

QString SideName(const QString& side) {
    static const struct {
        const char* code;
        int first, second;
    } kSides[] = {{"NS", SEAT_NORTH, SEAT_SOUTH}, {"EW", SEAT_EAST, SEAT_WEST},
                  {"N", SEAT_NORTH, -1},          {"E", SEAT_EAST, -1},
                  {"S", SEAT_SOUTH, -1},          {"W", SEAT_WEST, -1}};
    for (const auto& entry : kSides) {
        if (side == QLatin1String(entry.code)) {
            return entry.second < 0
                       ? SeatName(entry.first)
                       : SeatName(entry.first) + QLatin1Char('-') + SeatName(entry.second);
        }
    }
    return side;
}

QString ParContract(const std::string& text, bool html) {
    static const QRegularExpression kForm(
        QStringLiteral("^([1-7])([CDHSN])(\\*?)-([NESW]{1,2})(?:([+-])([0-9]+))?$"));
    const QString raw = FromBytes(text);
    const QRegularExpressionMatch match = kForm.match(raw);
    if (!match.hasMatch()) {
        return raw;
    }
    const int strain = QStringLiteral("CDHSN").indexOf(match.captured(2));
    QString shown = match.captured(1) + (html ? StrainHtml(strain) : StrainSymbol(strain)) +
                    (match.captured(3).isEmpty() ? QString() : QStringLiteral("X")) +
                    By(SideName(match.captured(4)));
    if (!match.captured(5).isEmpty()) {
        const int tricks = match.captured(6).toInt();
        shown += QStringLiteral(", ") + (match.captured(5) == QLatin1String("-")
                                             ? ReviewText(IDS_REVIEW_DOWN).arg(tricks)
                                             : QStringLiteral("+%1").arg(tricks));
    }
    return shown;
}

}  // namespace

QString StrainSymbol(int strain) {
    static const char* const kSymbols[] = {"\u2663", "\u2666", "\u2665", "\u2660", "NT"};
    return strain >= 0 && strain <= kNoTrumps ? QString::fromUtf8(kSymbols[strain]) : QString();
}

QString StrainHtml(int strain) {
    return Coloured(strain, StrainSymbol(strain));
}

QString CallHtml(int code) {
    const QString text = QString::fromStdString(CallDisplayText(code));
    return IsRedCall(code) ? Coloured(CCall::GetStrainOf(code), text) : text;
}

QString ContractText(const ContractShown& contract) {
    return Contract(contract, false);
}

QString ContractHtml(const ContractShown& contract) {
    return Contract(contract, true);
}

QString SignedNumber(int value) {
    return value > 0   ? QStringLiteral("+%1").arg(value)
           : value < 0 ? kMinus + QString::number(-value)
                       : QStringLiteral("0");
}

QString MadeText(const ResultShown& result) {
    if (result.contract.level == 0) {
        return {};
    }
    const int needed = result.contract.level + 6;
    return result.tricks >= needed ? ReviewText(IDS_REVIEW_MAKES).arg(result.tricks)
                                   : ReviewText(IDS_REVIEW_DOWN).arg(needed - result.tricks);
}

QString ResultText(const ResultShown& result) {
    const QString made = MadeText(result);
    return made.isEmpty() ? SignedNumber(result.score)
                          : made + QStringLiteral(", ") + SignedNumber(result.score);
}

QString ParContractHtml(const std::string& contract) {
    return ParContract(contract, true);
}

QString ParContractText(const std::string& contract) {
    return ParContract(contract, false);
}
