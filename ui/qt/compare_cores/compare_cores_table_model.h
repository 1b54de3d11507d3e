#pragma once

#include <QAbstractTableModel>

#include "engine/check/design_limits.h"
#include "ui/forms/session/compare_cores_designs.h"

namespace pfc::ui {

// The explored designs as table rows, one per design in catalogue order, with the numbers
// rounded for reading. Sorting reads the unrounded numbers under kSortRole, a design without
// a value giving none. Values outside their limit are red; the calculator's own choice has a
// highlighted background.
class CompareCoresTableModel final : public QAbstractTableModel {
 public:
  static constexpr int kSortRole = Qt::UserRole;
  static constexpr int kPassesRole = Qt::UserRole + 1;  // bool, the design meets every limit

  enum Column {
    kCore,
    kStack,
    kTurns,
    kWireGauge,
    kHMax,
    kFillFactor,
    kCoreLoss,
    kCopperLoss,
    kTotalLoss,
    kTempRise,
    kTotalTemp,
    kOuterDiameter,
    kStackHeight,
    kBoxedVolume,
    kMass,
    kCheckLAtIpk,  // the operating check at the low line, default grade
    kCheckRipple,
    kCheckTemperature,
    kLimits,
    kColumnCount
  };

  static const QColor& HighlightColour();

  CompareCoresTableModel(const CompareCoresDesigns& designs, char decimalSeparator,
                         QObject* parent);

  // Follows a new exploration of the designs it shows.
  void Reload();
  // The limits the check columns are red beyond; the defaults until told.
  void SetLimits(const DesignLimits& limits);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const CompareCoresDesigns& designs_;
  char decimalSeparator_;
  DesignLimits limits_;
};

}  // namespace pfc::ui
