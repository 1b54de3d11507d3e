#include "engine/inputs.h"

#include <string_view>

#include "engine/number_text.h"

namespace pfc {
namespace {

constexpr std::string_view kBlanks = " \t";

double FrequencyInHertz(double value, std::string_view unit) {
  return TrimBlanks(unit) == "kHz" ? value * 1000 : value;
}

double InductanceInHenry(double value, std::string_view unit) {
  unit = TrimBlanks(unit);
  if (unit == "millihenry")
    return value / 1000;
  if (unit == "microhenry")
    return value / 1000000;
  return value;
}

double PowerInWatts(double value, std::string_view unit) {
  return TrimBlanks(unit) == "Kilo Watts" ? value * 1000 : value;
}

// The stack count rounded half to even and held in 16 bits; a count beyond the range is
// pinned to its end so that it still fails the 1-to-9 check instead of wrapping round.
std::int16_t StackCount(std::string_view text) {
  const double rounded = RoundHalfEven(ValueOfText(text), 0);
  if (rounded > 32767)
    return 32767;
  if (rounded < -32768)
    return -32768;
  return static_cast<std::int16_t>(rounded);
}

bool IsEmpty(std::string_view text) {
  return TrimBlanks(text).empty();
}

// A pick-list entry reads the part number, a blank and the dimensions.
std::string_view PartNumberOf(std::string_view coreText) {
  coreText = TrimBlanks(coreText);
  return coreText.substr(0, coreText.find_first_of(kBlanks));
}

class Checker {
 public:
  // Records the failure; the caller stops at the first one.
  bool Fail(const char* check, std::string text, const char* focus) {
    result_.check = check;
    result_.message = Message{kCautionTitle, MessageIcon::Information, std::move(text)};
    result_.focus = focus;
    return true;
  }

  // Rejects a text that is not one plain decimal number, naming the field.
  bool FailIfMalformed(std::string_view text, const char* check, const char* fieldName,
                       const char* focus) {
    if (IsWellFormedNumber(text))
      return false;
    std::string message = "The ";
    message.append(fieldName).append(
        " value is not a valid number. Enter digits with at most one decimal point.");
    return Fail(check, std::move(message), focus);
  }

  ValidationResult& result() { return result_; }

 private:
  ValidationResult result_;
};

bool CheckFrequency(const EntryTexts& e, const DesignRecord& r, Checker& c) {
  const std::string_view text = e.txtFrequency;
  const char* focus = "txtFrequency";
  if (IsEmpty(text))
    return c.Fail("1a", "Enter the Frequency Value", focus);
  if (c.FailIfMalformed(text, "1n", "Frequency", focus))
    return true;
  if (IsZeroText(text) || r.Frequency <= 0) {
    return c.Fail("1b", "Enter the Frequency Value greater than 0", focus);
  }
  if (r.Frequency > 1000000) {
    return c.Fail("1c", "Enter Frequency value lower than 1000000 Hz", focus);
  }
  return false;
}

bool CheckInductance(const EntryTexts& e, const DesignRecord& r, Checker& c) {
  const std::string_view text = e.txtInductance;
  const char* focus = "txtInductance";
  if (IsEmpty(text))
    return c.Fail("2a", "Enter Inductance Value", focus);
  if (c.FailIfMalformed(text, "2n", "Inductance", focus))
    return true;
  if (IsZeroText(text) || r.Inductance <= 0) {
    return c.Fail("2b", "Enter Inductance Value greater than 0", focus);
  }
  if (r.Inductance > 0.1) {
    return c.Fail("2c", "Enter Inductance value lower than 0.1 Henries", focus);
  }
  return false;
}

bool CheckOutputPower(const EntryTexts& e, const DesignRecord& r, Checker& c) {
  const std::string_view text = e.txtOutputPower;
  const char* focus = "txtOutputPower";
  if (IsEmpty(text))
    return c.Fail("3a", "Enter Output Power Value", focus);
  if (c.FailIfMalformed(text, "3n", "Output Power", focus))
    return true;
  if (IsZeroText(text) || r.OutputPower <= 0) {
    return c.Fail("3b", "Enter Output Power value greater than 0 watts", focus);
  }
  if (r.OutputPower > 5000) {
    return c.Fail("3c", "Enter Output Power value lower than 5000 watts", focus);
  }
  return false;
}

bool CheckEfficiency(const EntryTexts& e, Checker& c) {
  const std::string_view text = e.txtEfficiency;
  const char* focus = "txtEfficiency";
  if (IsEmpty(text))
    return c.Fail("4a", "Enter Efficiency value", focus);
  if (c.FailIfMalformed(text, "4n", "Efficiency", focus))
    return true;
  const double percent = ValueOfText(text);
  if (percent < 90 || percent > 100) {
    return c.Fail("4b", "Enter the efficiency value only between 90% to 100%", focus);
  }
  return false;
}

bool CheckLineVoltages(const EntryTexts& e, const DesignRecord& r, Checker& c) {
  if (IsEmpty(e.txtVinMin))
    return c.Fail("5a", "Enter Minimum Voltage", "txtVinMin");
  if (c.FailIfMalformed(e.txtVinMin, "5n", "Vin Min", "txtVinMin"))
    return true;
  // A negative line would give a negative flux swing, whose loss power is undefined.
  if (IsZeroText(e.txtVinMin) || r.VinMin <= 0) {
    return c.Fail("5b", "Enter Minimum Voltage value greater than 0", "txtVinMin");
  }
  if (IsEmpty(e.txtVinMax))
    return c.Fail("6", "Enter Maximum Voltage", "txtVinMax");
  return c.FailIfMalformed(e.txtVinMax, "6n", "Vin Max", "txtVinMax");
}

bool CheckVout(const EntryTexts& e, Checker& c) {
  const std::string_view text = e.txtVout;
  const char* focus = "txtVout";
  if (IsEmpty(text))
    return c.Fail("7a", "Enter Out Voltage Value", focus);
  if (c.FailIfMalformed(text, "7n", "Vout", focus))
    return true;
  if (ValueOfText(text) > 420) {
    return c.Fail("7b", "Enter the Out Voltage value below 420 volts", focus);
  }
  return false;
}

bool CheckAmbient(const EntryTexts& e, const DesignRecord& r, Checker& c) {
  const std::string_view text = e.txtAmbientTemp;
  const char* focus = "txtAmbientTemp";
  if (IsEmpty(text))
    return c.Fail("8a", "Enter Ambient Temperature Value", focus);
  if (c.FailIfMalformed(text, "8n", "Ambient Temperature", focus))
    return true;
  if (r.AmbientTemp > 75)
    return c.Fail("8b", "Enter a temperature value below 75 °C", focus);
  return false;
}

bool CheckFillFactor(const EntryTexts& e, Checker& c) {
  const std::string_view text = e.txtFill_Factor;
  const char* focus = "txtFill_Factor";
  const char* message = "Enter a Window Fill Factor between 0 and .9";
  if (IsEmpty(text))
    return c.Fail("9", message, focus);
  if (c.FailIfMalformed(text, "9n", "Window Fill Factor", focus))
    return true;
  // The fill factor divides the area product: zero and below never get that far.
  const double value = ValueOfText(text);
  if (IsZeroText(text) || value <= 0 || value > 0.9)
    return c.Fail("9", message, focus);
  return false;
}

bool CheckCoreSize(const EntryTexts& e, const DesignRecord& r, const CoreCatalogue& catalogue,
                   Checker& c) {
  const std::string_view coreText = TrimBlanks(e.txtCoreSize);
  const char* focus = "txtCoreSize";
  if (e.chkPickCore && coreText.empty()) {
    return c.Fail("10", "Please select Core size from list of values. ", focus);
  }
  if (r.CalcType != DesignerPicks || coreText.empty())
    return false;
  if (coreText.find_first_of(kBlanks) == std::string_view::npos) {
    std::string message = "The core size \"";
    message.append(coreText).append(
        "\" is not an entry of the core size list. Please select Core size from list of "
        "values.");
    return c.Fail("10p", std::move(message), focus);
  }
  const std::string_view partNo = PartNumberOf(coreText);
  if (catalogue.FindPartNo(partNo) == 0) {
    std::string message = "The core size \"";
    message.append(partNo).append(
        "\" is not in the Toridyne catalogue. Please select Core size from list of values.");
    return c.Fail("10c", std::move(message), focus);
  }
  return false;
}

bool CheckStack(const EntryTexts& e, DesignRecord& r, Checker& c) {
  const char* focus = "txtStack";
  if (IsEmpty(e.txtStack)) {
    c.result().stackTextSetToOne = true;
    r.CoresToStack = 1;
    return false;
  }
  if (c.FailIfMalformed(e.txtStack, "12n", "Cores To Stack", focus))
    return true;
  if (r.CoresToStack > 9 || r.CoresToStack < 1) {
    return c.Fail("12", "Please select to stack between 1 and 9 cores.", focus);
  }
  return false;
}

}  // namespace

void initValues(const EntryTexts& entries, DesignRecord& record, ResultSummary& summary) {
  record.Frequency = FrequencyInHertz(ValueOfText(entries.txtFrequency), entries.cmbfrequency);
  record.Inductance = InductanceInHenry(ValueOfText(entries.txtInductance), entries.cmbinductance);
  record.OutputPower = PowerInWatts(ValueOfText(entries.txtOutputPower), entries.cmboutputpower);
  record.Efficiency = ValueOfText(entries.txtEfficiency) / 100;
  record.VinMin = ValueOfText(entries.txtVinMin);
  record.VinMax = ValueOfText(entries.txtVinMax);
  record.Vout = ValueOfText(entries.txtVout);
  record.CoresToStack = StackCount(entries.txtStack);
  record.AmbientTemp = ValueOfText(entries.txtAmbientTemp);
  record.FillFactorLimit = ValueOfText(entries.txtFill_Factor);
  summary.txtTotalTempStyle = TotalTempStyle::NormalBlack;
  if (record.CalcType == CalcSelects) {
    record.SelectedCoreSize.clear();
  } else if (record.CalcType == DesignerPicks && !IsEmpty(entries.txtCoreSize)) {
    record.SelectedCoreSize = PartNumberOf(entries.txtCoreSize);
  }
}

ValidationResult ValidateInputs(const EntryTexts& entries, DesignRecord& record,
                                const CoreCatalogue& catalogue) {
  Checker checker;
  const bool failed =
      CheckFrequency(entries, record, checker) || CheckInductance(entries, record, checker) ||
      CheckOutputPower(entries, record, checker) || CheckEfficiency(entries, checker) ||
      CheckLineVoltages(entries, record, checker) || CheckVout(entries, checker) ||
      CheckAmbient(entries, record, checker) || CheckFillFactor(entries, checker) ||
      CheckCoreSize(entries, record, catalogue, checker) || CheckStack(entries, record, checker);
  ValidationResult& result = checker.result();
  result.passed = !failed;
  return std::move(result);
}

}  // namespace pfc
