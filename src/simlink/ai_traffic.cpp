#include "simlink/ai_traffic.h"

#include <array>
#include <cstring>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "simlink/sim_link.h"

namespace flenmark {
namespace {

using SlotBytes = std::array<uint8_t, kTrafficSlotSize>;

struct SlotField {
    uint32_t position;
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

void ApplyCallsign(AITrafficTable& table, const SlotBytes& slot, int row) {
    for (int k = 0; k < kCallsignLength; ++k) {
        const uint8_t c = slot[22 + k];
        if (c == 0) break;
        std::string& cell = table.at(row, 6);
        cell = k == 0 ? CallsignChar(c) : cell + CallsignChar(c);
    }
}

// One slot of the simulator into its row; an empty slot (id 0) leaves the rest as it was.
void ApplySlot(AITrafficTable& table, const SlotBytes& slot, int row) {
    static const SlotField kFields[] = {{4, 1}, {8, 2}, {12, 3}, {16, 4}, {18, 5}, {20, 7}};
    int32_t id = 0;
    std::memcpy(&id, slot.data(), 4);
    table.at(row, 0) = IntText(id);
    if (id == 0) return;
    for (const SlotField& f : kFields)
        table.at(row, f.column) = ValueText(slot.data() + f.position, f.column);
    ApplyCallsign(table, slot, row);
}

using SlotTable = std::array<SlotBytes, kTrafficSlots>;

// The refresh byte, the range when it changed and the whole slot table, in one exchange.
LinkRead ExchangeTraffic(SimLink& link, TrafficState& traffic, SlotTable& slots, bool& slotsRead) {
    int result = kLinkOk;
    const uint8_t zero = 0;
    const uint8_t range = static_cast<uint8_t>(traffic.TCASRange);
    bool queued = link.QueueWrite(kTrafficRefreshOffset, 1, &zero, result);
    if (traffic.TCASRange != traffic.LastRangeSent) {
        queued = link.QueueWrite(kTrafficRangeOffset, 1, &range, result) || queued;
        traffic.LastRangeSent = traffic.TCASRange;
    }
    slotsRead = link.QueueRead(kTrafficSlotBase, sizeof slots, slots.data(), result);
    if (!queued && !slotsRead) return LinkRead::Done;
    return link.ProcessRequests(result) ? LinkRead::Done : LinkRead::Lost;
}

}  // namespace

LinkRead GetAI(SimLink& link, TrafficState& traffic) {
    static_assert(sizeof(SlotTable) == kTrafficSlotSize * kTrafficSlots);
    AITrafficTable& table = traffic.AITraffic;
    SlotTable slots{};
    bool slotsRead = false;
    if (ExchangeTraffic(link, traffic, slots, slotsRead) == LinkRead::Lost) return LinkRead::Lost;
    const char* headers[] = {"ID\t", "Lat\t", "Lon\t", "Alt\t", "HDG\t", "Spd\t", "Callsign\t"};
    for (int c = 0; c < 7; ++c) table.at(0, c) = headers[c];
    try {
        for (int slot = 0; slotsRead && slot < kTrafficSlots; ++slot)
            ApplySlot(table, slots[slot], slot + 1);
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
