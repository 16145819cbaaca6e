#include "base/settings.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>

#include "base/number_text.h"

namespace flenmark {

const std::vector<SettingsKey>& SettingsTable() {
    using S = Settings;
    using R = DialogRule;
    static const std::vector<SettingsKey> table = {
        {"HDGOffset", &S::HDGOffset, "2", R::Range, 180},
        {"AltOffset", &S::AltOffset, "100", R::Absolute, 0},
        {"VSOffset", &S::VSOffset, "80", R::Absolute, 0},
        {"HDGOffset100", &S::HDGOffset100, "4", R::Range, 180},
        {"AltOffset100", &S::AltOffset100, "200", R::Absolute, 0},
        {"VSOffset100", &S::VSOffset100, "150", R::Absolute, 0},
        {"ChaseDegreeOffset", &S::ChaseDegreeOffset, "5", R::Range, 180},
        {"OverviewDegreeOffset", &S::OverviewDegreeOffset, "0", R::Range, 180},
        {"ChaseTilt", &S::ChaseTilt, "70", R::Range, 90},
        {"OverviewTilt", &S::OverviewTilt, "0", R::Range, 90},
        {"OverviewRangeMultiplier", &S::OverviewRangeMultiplier, "30", R::NotNegative, 0},
        {"OverviewRangeMin", &S::OverviewRangeMin, "5000", R::NotNegative, 0},
        {"GNDTilt", &S::GNDTilt, "60", R::Range, 90},
        {"GNDRange", &S::GNDRange, "400", R::NotNegative, 0},
        {"PredPathMultiplier", &S::PredPathMultiplier, "60", R::NotNegative, 0},
        {"PredPathMultiplierTCAS", &S::PredPathMultiplierTCAS, "60", R::NotNegative, 0},
        {"Debuging", &S::Debuging, nullptr, R::None, 0},
        {"CheckVS", &S::CheckVS, "150", R::Absolute, 0},
        {"LocInt", &S::LocInt, "90", R::Range, 100},
        {"GSInt", &S::GSInt, "75", R::Range, 100},
        {"IgnoreILSBelow", &S::IgnoreILSBelow, "150", R::NotNegative, 0},
        {"IgnoreILSAbove", &S::IgnoreILSAbove, "5000", R::NotNegative, 0},
        {"IgnoreILSAboveVS", &S::IgnoreILSAboveVS, "500", R::NotNegative, 0},
        {"ForceNoWinXP", &S::ForceNoWinXP, nullptr, R::None, 0},
        {"XPlane", &S::XPlane, nullptr, R::None, 0},
        {"XPlanePath", &S::XPlanePath, nullptr, R::None, 0},
        {"XPUIPC", &S::XPUIPC, nullptr, R::None, 0},
        {"MinUpdate", &S::MinUpdate, nullptr, R::None, 0},
        {"Update", &S::Update, nullptr, R::None, 0},
        {"ResumeLogging", &S::ResumeLogging, nullptr, R::None, 0},
        {"SaveAsKMZ", &S::SaveAsKMZ, nullptr, R::None, 0},
        {"UsageReports", &S::UsageReports, nullptr, R::None, 0},
        {"CompactReplay", &S::CompactReplay, nullptr, R::None, 0},
    };
    return table;
}

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::optional<bool> ParseBool(const std::string& text) {
    std::string lower = Trim(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (auto n = ParseNumber(lower)) return *n != 0;
    return std::nullopt;
}

// The leading number of a text, as a person typing into a box means it ("12abc" is 12).
double LeadingNumber(const std::string& text) {
    const std::string t = Trim(text);
    size_t end = 0;
    if (end < t.size() && (t[end] == '-' || t[end] == '+')) ++end;
    bool separatorSeen = false;
    while (end < t.size() && (std::isdigit(static_cast<unsigned char>(t[end])) ||
                              (!separatorSeen && (t[end] == '.' || t[end] == ',')))) {
        if (t[end] == '.' || t[end] == ',') separatorSeen = true;
        ++end;
    }
    return ParseNumber(t.substr(0, end)).value_or(0.0);
}

}  // namespace

std::string SettingValueText(const Settings& s, const SettingsKey& key, char decimalSeparator) {
    return std::visit(Overloaded{
                          [&](float Settings::*m) { return NumberText(s.*m, decimalSeparator, 7); },
                          [&](int16_t Settings::*m) { return IntText(s.*m); },
                          [&](bool Settings::*m) { return std::string(s.*m ? "True" : "False"); },
                          [&](std::string Settings::*m) { return Trim(s.*m); },
                      },
                      key.member);
}

bool SetSettingFromText(Settings& s, const SettingsKey& key, const std::string& text) {
    return std::visit(Overloaded{
                          [&](float Settings::*m) {
                              const auto v = ParseNumber(text);
                              if (!v || std::fabs(*v) > FLT_MAX) return false;
                              s.*m = static_cast<float>(*v);
                              return true;
                          },
                          [&](int16_t Settings::*m) {
                              const auto v = ParseNumber(text);
                              if (!v) return false;
                              try {
                                  s.*m = RoundToInt16(*v);
                              } catch (const ConversionFault&) {
                                  return false;
                              }
                              return true;
                          },
                          [&](bool Settings::*m) {
                              const auto v = ParseBool(text);
                              if (!v) return false;
                              s.*m = *v;
                              return true;
                          },
                          [&](std::string Settings::*m) {
                              s.*m = text;
                              return true;
                          },
                      },
                      key.member);
}

std::string NormaliseDialogValue(const std::string& text, const SettingsKey& key) {
    double v = std::floor(LeadingNumber(text));
    switch (key.rule) {
        case DialogRule::Absolute:
            v = std::fabs(v);
            break;
        case DialogRule::NotNegative:
            v = std::max(v, 0.0);
            break;
        case DialogRule::Range:
            v = std::clamp(v, 0.0, static_cast<double>(key.rangeMax));
            break;
        case DialogRule::None:
            break;
    }
    // Every dialog value must survive the conversion to its 16-bit or single type on OK.
    v = std::clamp(v, -32768.0, 32767.0);
    return IntText(static_cast<int64_t>(v));
}

}  // namespace flenmark
