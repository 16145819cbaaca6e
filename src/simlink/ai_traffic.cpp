#include "simlink/ai_traffic.h"

#include <cstring>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "simlink/sim_link.h"

namespace flenmark {
namespace {

enum class SlotEnd { Next, Lost };

struct SlotField {
    uint32_t position;
    uint32_t size;
    int column;
};

// The characters a callsign keeps: blanks are dropped, and so is anything that would break
// the ":"-separated traffic files.
std::string CallsignChar(uint8_t c) {
    if (c == ' ' || c == ':' || c < 0x20 || c == 0x7F) return {};
    return std::string(1, static_cast<char>(c));
}

std::string ValueText(const uint8_t* raw, int column) {
    float f = 0;
    int16_t i = 0;
    switch (column) {
        case 1:
        case 2:
        case 3:
            std::memcpy(&f, raw, 4);
            return PlainNumberText(f, '.', 7);
        case 4:
            std::memcpy(&i, raw, 2);
            return PlainNumberText(i * 360.0 / 65536.0 + 180.0, '.', 15);
        default:
            std::memcpy(&i, raw, 2);
            return IntText(i);
    }
}

SlotEnd ReadCallsign(SimLink& link, AITrafficTable& table, uint32_t slotOffset, int row) {
    for (int k = 0; k < kCallsignLength; ++k) {
        uint8_t c = 0;
        const ReadOutcome r = ReadOne(link, slotOffset + 22 + k, 1, &c);
        if (r == ReadOutcome::Failed) return SlotEnd::Lost;
        if (r != ReadOutcome::Done) continue;
        if (c == 0) break;
        std::string& cell = table.at(row, 6);
        cell = k == 0 ? CallsignChar(c) : cell + CallsignChar(c);
    }
    return SlotEnd::Next;
}

SlotEnd ReadSlot(SimLink& link, AITrafficTable& table, int slot) {
    static const SlotField kFields[] = {{4, 4, 1},  {8, 4, 2},  {12, 4, 3},
                                        {16, 2, 4}, {18, 2, 5}, {20, 2, 7}};
    const uint32_t base = kTrafficSlotBase + kTrafficSlotSize * static_cast<uint32_t>(slot);
    const int row = slot + 1;
    int32_t id = 0;
    ReadOutcome r = ReadOne(link, base, 4, &id);
    if (r == ReadOutcome::Failed) return SlotEnd::Lost;
    if (r == ReadOutcome::Done) {
        table.at(row, 0) = IntText(id);
        if (id == 0) return SlotEnd::Next;
    }
    for (const SlotField& f : kFields) {
        uint8_t raw[4] = {};
        r = ReadOne(link, base + f.position, f.size, raw);
        if (r == ReadOutcome::Failed) return SlotEnd::Lost;
        if (r == ReadOutcome::Done) table.at(row, f.column) = ValueText(raw, f.column);
    }
    return ReadCallsign(link, table, base, row);
}

void WriteControlBytes(SimLink& link, TrafficState& traffic) {
    const uint8_t zero = 0;
    WriteOne(link, kTrafficRefreshOffset, 1, &zero);
    if (traffic.TCASRange != traffic.LastRangeSent) {
        const uint8_t range = static_cast<uint8_t>(traffic.TCASRange);
        WriteOne(link, kTrafficRangeOffset, 1, &range);
        traffic.LastRangeSent = traffic.TCASRange;
    }
}

}  // namespace

LinkRead GetAI(SimLink& link, TrafficState& traffic) {
    AITrafficTable& table = traffic.AITraffic;
    try {
        WriteControlBytes(link, traffic);
        const char* headers[] = {"ID\t", "Lat\t", "Lon\t", "Alt\t", "HDG\t", "Spd\t", "Callsign\t"};
        for (int c = 0; c < 7; ++c) table.at(0, c) = headers[c];
        for (int slot = 0; slot < kTrafficSlots; ++slot)
            if (ReadSlot(link, table, slot) == SlotEnd::Lost) return LinkRead::Lost;
    } catch (const ConversionFault&) {
        return LinkRead::Fault;
    }
    for (int row = 1; row < AITrafficTable::kRows; ++row) {
        if (table.at(row, 0) != "0") continue;
        for (int c = 0; c < 7; ++c) table.at(row, c).clear();
    }
    return LinkRead::Done;
}

std::optional<int16_t> ClassifyTraffic(double tgtLat, double tgtLon, double tgtAlt,
                                       const std::string& ownAltText, const std::string& ownLonText,
                                       const std::string& ownLatText, int16_t range, int16_t mode) {
    const auto ownAlt = ParseNumber(ownAltText);
    const auto ownLon = ParseNumber(ownLonText);
    const auto ownLat = ParseNumber(ownLatText);
    const double rel = RoundHalfEven(tgtAlt - ownAlt.value_or(0));
    if (!ownAlt || !ownLon || !ownLat || !(rel >= -2147483648.0 && rel <= 2147483647.0))
        return std::nullopt;
    const double d = GreatCircleDistanceNm(*ownLat, *ownLon, tgtLat, tgtLon, false);
    if (!(d <= range)) return 0;
    switch (mode) {
        case kTcasAbove:
            if (rel < -2000 || rel > 9900) return 0;
            break;
        case kTcasBelow:
            if (rel < -9900 || rel > 2000) return 0;
            break;
        case kTcasNormal:
            if (rel < -2000 || rel > 2000) return 0;
            break;
        default:
            break;
    }
    const double a = rel < 0 ? -rel : rel;
    int16_t cls = 1;
    if (d <= 6 && a <= 2000) cls = 2;
    if (d <= 4 && a <= 1200) cls = 3;
    if (d <= 2 && a <= 500) cls = 4;
    return cls;
}

}  // namespace flenmark
