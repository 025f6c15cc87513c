#pragma once

// Call codes. Each is the control id of its bidding-box button and is stored as such in
// documents, so the numbers are part of the file format. The bid codes follow no arithmetic
// rule and leave gaps (1139, 1151, 1152, 1177, 1178 are not calls).
constexpr int IDC_PLACEHOLDER = 0;  // stands for a seat before the dealer
constexpr int IDC_1C = 1138;
constexpr int IDC_1D = 1140;
constexpr int IDC_1H = 1141;
constexpr int IDC_1S = 1142;
constexpr int IDC_1N = 1143;
constexpr int IDC_2C = 1144;
constexpr int IDC_2D = 1172;
constexpr int IDC_2H = 1173;
constexpr int IDC_2S = 1174;
constexpr int IDC_2N = 1175;
constexpr int IDC_3C = 1145;
constexpr int IDC_3D = 1168;
constexpr int IDC_3H = 1169;
constexpr int IDC_3S = 1170;
constexpr int IDC_3N = 1171;
constexpr int IDC_4C = 1146;
constexpr int IDC_4D = 1164;
constexpr int IDC_4H = 1165;
constexpr int IDC_4S = 1166;
constexpr int IDC_4N = 1167;
constexpr int IDC_5C = 1147;
constexpr int IDC_5D = 1160;
constexpr int IDC_5H = 1161;
constexpr int IDC_5S = 1162;
constexpr int IDC_5N = 1163;
constexpr int IDC_6C = 1148;
constexpr int IDC_6D = 1156;
constexpr int IDC_6H = 1157;
constexpr int IDC_6S = 1158;
constexpr int IDC_6N = 1159;
constexpr int IDC_7C = 1149;
constexpr int IDC_7D = 1150;
constexpr int IDC_7H = 1153;
constexpr int IDC_7S = 1154;
constexpr int IDC_7N = 1155;
constexpr int IDC_PASS = 1176;
constexpr int IDC_DOUBLE = 1179;
constexpr int IDC_REDOUBLE = 1180;

// Strains of calls, in the ranking order of bids (not the suit order of hands).
enum Strain : int {
    STRAIN_NONE = -1,
    STRAIN_CLUBS,
    STRAIN_DIAMONDS,
    STRAIN_HEARTS,
    STRAIN_SPADES,
    STRAIN_NOTRUMP,
};
constexpr int kStrainCount = 5;

// A strain whose symbol is red.
constexpr bool IsRedStrain(Strain strain) {
    return strain == STRAIN_DIAMONDS || strain == STRAIN_HEARTS;
}
constexpr int kLevelCount = 7;
constexpr int kBidCount = kLevelCount * kStrainCount;
// The 35 bids, Pass, Double and Redouble.
constexpr int kCallCount = kBidCount + 3;

// The bid codes by level (1 to 7, row 0 to 6) and strain.
inline constexpr int kBidCodes[kLevelCount][kStrainCount] = {
    {IDC_1C, IDC_1D, IDC_1H, IDC_1S, IDC_1N}, {IDC_2C, IDC_2D, IDC_2H, IDC_2S, IDC_2N},
    {IDC_3C, IDC_3D, IDC_3H, IDC_3S, IDC_3N}, {IDC_4C, IDC_4D, IDC_4H, IDC_4S, IDC_4N},
    {IDC_5C, IDC_5D, IDC_5H, IDC_5S, IDC_5N}, {IDC_6C, IDC_6D, IDC_6H, IDC_6S, IDC_6N},
    {IDC_7C, IDC_7D, IDC_7H, IDC_7S, IDC_7N},
};

// Views of a deal: a seat index, or all four hands.
constexpr int VIEW_NONE = -1;
constexpr int VIEW_ALL = 4;

// The bidding session's default file type and where PBN files keep defensive actions.
constexpr int FILE_TYPE_BRIDGE_DA = 0;
constexpr int FILE_TYPE_PBN = 1;
constexpr int PBN_INFO_LINE_COMMENT = 0;
constexpr int PBN_INFO_BRACE_COMMENT = 1;
constexpr int PBN_INFO_TAG_VALUE = 2;

// The start-bidding choice of a session.
constexpr int START_BIDDING_NONE = 0;
constexpr int START_BIDDING_NORTH = 1;
constexpr int START_BIDDING_SOUTH = 2;

// Modes of the bidding session's property sheet.
constexpr int PROPERTIES_MODE_PROPERTIES = 0;
constexpr int PROPERTIES_MODE_INSERT = 1;
constexpr int PROPERTIES_MODE_OPTIONS = 3;
