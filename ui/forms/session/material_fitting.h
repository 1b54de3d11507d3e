#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/check/material.h"
#include "engine/check/material_fit.h"
#include "engine/check/material_points.h"
#include "ui/forms/session/listeners.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// A point of the chart: the field in the unit the points were given in, and the percent of
// the initial permeability.
struct FitChartPoint {
  double field = 0;
  double percent = 0;
};

// The material the "Fit Material" window fitted last, with the points it was fitted to, for
// the window's logic, its chart and the window that opened it.
class MaterialFitting {
 public:
  using Subscription = Listeners<>::Subscription;
  // Takes the fitted material into the window that opened "Fit Material", with the file it
  // was saved to (empty when it was not).
  using Use = std::function<void(Toolkit&, const Material&, const std::string& file)>;

  struct Fitted {
    Material material;
    std::vector<RolloffPoint> points;
    FieldUnit unit = FieldUnit::Oersted;
    RolloffFit fit;
    std::string fileText;  // the material file, as it reads back
    std::string savedTo;   // where it was saved last; empty before
  };

  bool HasFit() const { return hasFit_; }
  const Fitted& Fit() const { return fitted_; }
  void SetFit(Fitted fitted);
  void Clear();
  void SetSavedTo(std::string path) { fitted_.savedTo = std::move(path); }

  // Who takes the material: the window that opened this one last. A window that lists
  // materials by their files `needsFile`: Use saves the material first.
  void SetUse(Use use, bool needsFile) {
    use_ = std::move(use);
    useNeedsFile_ = needsFile;
  }
  const Use& UseOf() const { return use_; }
  bool UseNeedsFile() const { return useNeedsFile_; }

  // The given points and the fitted curve from the weakest to the strongest field given, in
  // the unit given; empty without a fit.
  std::vector<FitChartPoint> GivenPoints() const;
  std::vector<FitChartPoint> FittedCurve(int samples = 121) const;

  [[nodiscard]] Subscription Listen(Listeners<>::Listener listener) const {
    return listeners_.Add(std::move(listener));
  }

 private:
  bool hasFit_ = false;
  Fitted fitted_;
  Use use_;
  bool useNeedsFile_ = false;
  Listeners<> listeners_;
};

}  // namespace pfc::ui
