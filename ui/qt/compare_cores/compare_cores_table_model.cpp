#include "ui/qt/compare_cores/compare_cores_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

#include "engine/method/core_selection.h"
#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"
#include "reports/check/check_verdict_texts.h"

namespace pfc::ui {

namespace {

using PassesOf = bool (*)(const ExploredDesign&, const DesignLimits&);

// The number in the explorer's column of that name (VisitExploredColumns); NaN for another.
double ExploredNumber(const ExploredDesign& d, std::string_view name) {
  double number = std::numeric_limits<double>::quiet_NaN();
  VisitExploredColumns(d, [&number, name](std::string_view column, const char*, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) {
      if (column == name) {
        number = static_cast<double>(value);
      }
    }
  });
  return number;
}

struct NumberColumn {
  const char* header;
  const char* toolTip;
  const char* column;  // the explorer's name of the column shown
  int places;
  PassesOf passes;  // nullptr: the column has no limit of its own
  // The number the tool tip writes for its "%1": the limit or the assumption it names.
  double toolTipNumber = std::numeric_limits<double>::quiet_NaN();

  double value(const ExploredDesign& d) const { return ExploredNumber(d, column); }
};

// The method's own limits.
bool PassesField(const ExploredDesign& d, const DesignLimits&) {
  return d.PassesFieldStrength;
}
bool PassesFill(const ExploredDesign& d, const DesignLimits&) {
  return d.PassesFillFactor;
}
bool PassesTemperature(const ExploredDesign& d, const DesignLimits&) {
  return d.PassesTemperature;
}
// The operating check's columns: red where the check finds the design misses the session's
// limits, not where it has no number; the ripple only where a limit is set.
bool KeepsTarget(const ExploredDesign& d, const DesignLimits& limits) {
  return !BeyondLimit(CheckVerdict::InductanceAtPeak, d.CheckLAtIpkPercent, limits);
}
bool KeepsRipple(const ExploredDesign& d, const DesignLimits& limits) {
  return !BeyondLimit(CheckVerdict::RippleAtCrest, d.CheckRipplePercent, limits);
}
bool KeepsWindingCool(const ExploredDesign& d, const DesignLimits& limits) {
  return !BeyondLimit(CheckVerdict::Temperature, d.CheckWindingTemperature, limits);
}

bool IsCheckColumn(int column) {
  return column >= CompareCoresTableModel::kCheckLAtIpk &&
         column <= CompareCoresTableModel::kCheckTemperature;
}

// A checked winding whose temperature never settles has no number, and misses its limit. A
// saturated core has no copper loss to heat it: its cells are empty, not unsettled.
bool NeverSettles(const ExploredDesign& d, int column) {
  return column == CompareCoresTableModel::kCheckTemperature && d.Checked && !d.CheckSaturates &&
         !d.CheckSteady;
}

// ", grade 90": the grade the check columns are in, as the Operating Check window names it;
// ", grade 90 or 125" should the designs' cores match different grades.
QString CheckGradeText(const std::vector<ExploredDesign>& designs) {
  std::vector<int> grades;
  for (const ExploredDesign& d : designs) {
    if (d.Checked && std::find(grades.begin(), grades.end(), d.CheckGrade) == grades.end()) {
      grades.push_back(d.CheckGrade);
    }
  }
  std::sort(grades.begin(), grades.end());
  QStringList names;
  for (const int grade : grades) {
    names << QString::number(grade);
  }
  return names.isEmpty() ? QString()
                         : QStringLiteral(", grade ") + names.join(QStringLiteral(" or "));
}

// Why a cell has no number.
QString NoNumberReason(const ExploredDesign& d, int column) {
  if (!IsCheckColumn(column) || !std::isfinite(d.TotalLoss)) {
    return QStringLiteral("Not evaluated: the output voltage is below the line peak.");
  }
  if (!d.Checked) {
    return QStringLiteral(
        "No operating check: H max is above its limit, so a designer's pick of it is not "
        "published.");
  }
  return NeverSettles(d, column)
             ? QStringLiteral("The winding temperature has no steady state at the low line.")
             : QStringLiteral("No checked value: the core saturates at the low line.");
}

// Columns kStack to kCheckTemperature, in their order.
constexpr std::array<NumberColumn,
                     CompareCoresTableModel::kCheckTemperature - CompareCoresTableModel::kStack + 1>
    kNumbers{{
        {"Stack", "Identical cores stacked", "CoresToStack", 0, nullptr},
        {"Turns", "Number of turns", "Turns", 2, nullptr},
        {"AWG", "Wire gauge", "WireGauge", 0, nullptr},
        {"H max (Oe)", "Magnetising force at the peak current; the limit is %1 Oe", "HMax", 2,
         PassesField, kFieldStrengthLimit},
        {"Fill", "Actual fill factor; the limit is the entered fill factor", "ActualFillFactor", 3,
         PassesFill},
        {"Core loss (W)", "Core loss", "CoreLoss", 2, nullptr},
        {"Copper loss (W)", "Copper loss", "CopperLoss", 2, nullptr},
        {"Total loss (W)", "Core and copper loss", "TotalLoss", 2, nullptr},
        {"Rise (°C)", "Temperature rise", "TempRise", 1, nullptr},
        {"Total (°C)", "Ambient plus rise; the limit is below %1 °C", "TotalTemp", 1,
         PassesTemperature, kTemperatureCeiling},
        {"OD (cm)", "Outer diameter of one core", "CoreOD", 2, nullptr},
        {"Height (cm)", "Height of the stack", "CoreHT", 2, nullptr},
        {"Box (cm³)", "Boxed volume: OD squared times the stack height", "BoxedVolume", 2, nullptr},
        {"Mass (g)", "Mass of the stack", "CoreMass", 1, nullptr},
        {"L at Ipk (%)\ncheck",
         "Operating check, low line: inductance at the peak current, % of the target",
         "check_l_at_ipk_percent", 1, KeepsTarget},
        {"Ripple (%)\ncheck",
         "Operating check: ripple at the low line's crest, % of the line-peak current; the "
         "method assumes %1 %",
         "check_ripple_percent", 1, KeepsRipple, kMethodRipplePercent},
        {"Winding (°C)\ncheck",
         "Operating check, low line: winding temperature; the limit is %1 °C",
         "check_winding_temperature_c", 1, KeepsWindingCool, kTemperatureCeiling},
    }};

const NumberColumn* NumberColumnOf(int column) {
  if (column < CompareCoresTableModel::kStack ||
      column > CompareCoresTableModel::kCheckTemperature) {
    return nullptr;
  }
  return &kNumbers[static_cast<std::size_t>(column - CompareCoresTableModel::kStack)];
}

// The limits a design misses, in the order the window names them.
QStringList MissedLimits(const ExploredDesign& d) {
  QStringList missed;
  if (!d.PassesFieldStrength) {
    missed << QStringLiteral("H");
  }
  if (!d.PassesTemperature) {
    missed << QStringLiteral("temp");
  }
  if (!d.PassesFillFactor) {
    missed << QStringLiteral("fill");
  }
  if (!d.PassesVpeak) {
    missed << QStringLiteral("Vpeak");
  }
  return missed;
}

QString LimitsText(const ExploredDesign& d) {
  const QStringList missed = MissedLimits(d);
  return missed.isEmpty() ? QStringLiteral("pass")
                          : QStringLiteral("fails ") + missed.join(QStringLiteral(", "));
}

}  // namespace

const QColor& CompareCoresTableModel::HighlightColour() {
  static const QColor kHighlight(255, 230, 120);
  return kHighlight;
}

CompareCoresTableModel::CompareCoresTableModel(const CompareCoresDesigns& designs,
                                               char decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), designs_(designs), decimalSeparator_(decimalSeparator) {}

void CompareCoresTableModel::SetLimits(const DesignLimits& limits) {
  if (limits == limits_) {
    return;
  }
  limits_ = limits;
  if (rowCount() > 0) {
    emit dataChanged(index(0, kCheckLAtIpk), index(rowCount() - 1, kCheckTemperature),
                     {Qt::ForegroundRole});
  }
}

void CompareCoresTableModel::Reload() {
  beginResetModel();
  endResetModel();
}

int CompareCoresTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(designs_.Designs().size());
}

int CompareCoresTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant CompareCoresTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) {
    return {};
  }
  const ExploredDesign& d = designs_.Designs()[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  const NumberColumn* number = NumberColumnOf(column);
  switch (role) {
    case Qt::DisplayRole:
      if (column == kCore) {
        return QString::fromStdString(d.SelectedCoreSize);
      }
      if (column == kLimits) {
        return LimitsText(d);
      }
      if (NeverSettles(d, column)) {
        return QStringLiteral("no steady temperature");
      }
      if (number != nullptr) {
        const double value = number->value(d);
        return std::isfinite(value)
                   ? QString::fromStdString(FormatPlaces(value, number->places, decimalSeparator_))
                   : QStringLiteral("n/a");
      }
      return {};
    case kSortRole:
      if (column == kCore) {
        return int(d.CoreIndex);  // catalogue order, which is ascending area product
      }
      if (column == kLimits) {
        return int(MissedLimits(d).size());
      }
      if (number != nullptr && std::isfinite(number->value(d))) {
        return number->value(d);
      }
      return {};
    case kPassesRole:
      return d.PassesAll();
    case Qt::TextAlignmentRole:
      return column == kCore || column == kLimits ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole: {
      const bool missed = column == kLimits ? !d.PassesAll()
                                            : NeverSettles(d, column) ||
                                                  (number != nullptr && number->passes != nullptr &&
                                                   !number->passes(d, limits_));
      return missed ? QVariant(QBrush(QColor(255, 0, 0))) : QVariant();
    }
    case Qt::BackgroundRole:
      return d.CalculatorChoice ? QVariant(QBrush(HighlightColour())) : QVariant();
    case Qt::FontRole:
      if (d.CalculatorChoice) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::ToolTipRole:
      if (number != nullptr && !std::isfinite(number->value(d))) {
        return NoNumberReason(d, column);
      }
      if (d.CalculatorChoice) {
        return QStringLiteral("The core the calculator chooses for the entered stack count.");
      }
      return {};
    default:
      return {};
  }
}

QVariant CompareCoresTableModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const NumberColumn* number = NumberColumnOf(section);
  if (role == Qt::DisplayRole) {
    if (section == kCore) {
      return QStringLiteral("Core");
    }
    if (section == kLimits) {
      return QStringLiteral("Limits");
    }
    QString header = QString::fromUtf8(number->header);
    if (IsCheckColumn(section)) {
      header += CheckGradeText(designs_.Designs());
    }
    return header;
  }
  if (role == Qt::ToolTipRole) {
    if (section == kCore) {
      return QStringLiteral("Part number; sorts in catalogue order");
    }
    if (section == kLimits) {
      return QStringLiteral(
          "The limits the design misses (H at max current, total temperature, fill factor, line "
          "peak); sorts by how many");
    }
    const QString tip = QString::fromUtf8(number->toolTip);
    return std::isnan(number->toolTipNumber)
               ? tip
               : tip.arg(QString::fromStdString(FormatGeneral(number->toolTipNumber)));
  }
  return {};
}

}  // namespace pfc::ui
