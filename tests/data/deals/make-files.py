#!/usr/bin/env python3
"""Writes the Duplimate and Bridge D/A test files from the deals of dealer-seed1.pbn.

The PBN files are the output of Debian's dealer:
    dealer -s 1 seed1.dl > dealer-seed1.pbn
    dealer -s 7 strong-north.dl > dealer-strong-north.pbn
"""
import re

RANKS = "AKQJT98765432"
SEATS = "NESW"  # order of the Duplimate blocks


def read_deals(path):
    deals = []
    for value in re.findall(r'\[Deal "([^"]*)"\]', open(path).read()):
        first, hands = value[0], value[2:].split(" ")
        order = "NESW"[("NESW".index(first)):] + "NESW"[:("NESW".index(first))]
        deal = {}
        for seat, hand in zip(order, hands):
            deal[seat] = hand.split(".")
        deals.append(deal)
    return deals


def card_numbers(deal):
    out = b""
    for seat in "NES":
        for suit, cards in enumerate(deal[seat]):
            for card in cards:
                out += b"%02d" % (suit * 13 + RANKS.index(card) + 1)
    return out


def hand_block(deal):
    out = b""
    for seat in SEATS:
        for mark, cards in zip((6, 3, 4, 5), deal[seat]):
            out += bytes([mark]) + cards.encode()
    return out


deals = read_deals("dealer-seed1.pbn")

# .dup: 156-byte records; the last record's trailer is NUL bytes, as some producers write it.
with open("seed1.dup", "wb") as f:
    for i, deal in enumerate(deals):
        trailer = b"YN1  1%3d " % len(deals) if i + 1 < len(deals) else bytes(10)
        f.write(card_numbers(deal) + hand_block(deal) + trailer)

# .bri: the card numbers padded with spaces and NUL bytes to 128.
with open("seed1.bri", "wb") as f:
    for deal in deals:
        f.write(card_numbers(deal) + b" " * 30 + bytes(20))

# .dge: the hands padded with NUL bytes to 128.
with open("seed1.dge", "wb") as f:
    for deal in deals:
        f.write(hand_block(deal) + bytes(60))


# A Bridge D/A set of the first six deals, CR LF line ends.
def hand_line(cards_by_suit, ten, gap):
    parts = []
    for letter, cards in zip("SHDC", cards_by_suit):
        text = gap.join(ten if c == "T" else c for c in cards) if cards else "-"
        parts.append(letter + ": " + text)
    return "  ".join(parts)


comments = {
    ("N", 0): ["Strong hand, open 1C", "West overcalls 1S"],
    ("N", 2): ["Balanced"],
    ("S", 0): ["Respond naturally", "East doubles", "then passes"],
    ("S", 3): ["Game forcing"],
    ("E", 1): ["East's own note, not read"],
}
names = {"N": "nth", "S": "sth", "E": "est", "W": "wst"}
header = {
    "N": ["ID: Club night 12 March 2024", "Description: Competitive auctions", "Deals: 6", ""],
    "S": ["Bridge D/A set, South hands", ""],
    "E": [],
    "W": ["West", "", ""],
}
for seat, ext in names.items():
    lines = list(header[seat])
    for number in range(6):
        lines.append("%d." % (number + 1))
        lines.append(hand_line(deals[number][seat], "10" if seat in "NE" else "T",
                               "" if seat in "NW" else " "))
        lines += comments.get((seat, number), [])
        lines.append("")
    if seat == "N":
        lines += ["Discarded deals", "7.", hand_line(deals[7]["N"], "T", ""), ""]
    with open("club." + ext, "wb") as f:
        f.write("\r\n".join(lines).encode() + b"\r\n")
