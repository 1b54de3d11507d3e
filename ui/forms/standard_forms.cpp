#include "ui/forms/standard_forms.h"

#include <memory>

#include "ui/forms/compare_cores_design.h"
#include "ui/forms/compare_cores_form.h"
#include "ui/forms/directions_design.h"
#include "ui/forms/directions_form.h"
#include "ui/forms/enter_design.h"
#include "ui/forms/enter_form.h"
#include "ui/forms/input_design.h"
#include "ui/forms/input_form.h"
#include "ui/forms/listing_design.h"
#include "ui/forms/listing_form.h"
#include "ui/forms/operating_check_design.h"
#include "ui/forms/operating_check_form.h"
#include "ui/forms/summary_design.h"
#include "ui/forms/summary_form.h"

namespace pfc::ui {

void RegisterStandardForms(FormRegistry& registry, DesktopSession& session,
                           const DesktopServices& services) {
  registry.Add(EnterFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<EnterForm>(toolkit, session, services);
  });
  registry.Add(InputFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<InputForm>(toolkit, session, services);
  });
  registry.Add(SummaryFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<SummaryForm>(toolkit, session, services);
  });
  registry.Add(ListingFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<ListingForm>(toolkit, session, services);
  });
  registry.Add(DirectionsFormDesign(),
               [](Toolkit& toolkit) { return std::make_unique<DirectionsForm>(toolkit); });
  registry.AddProgramKey("F1", [](Toolkit& toolkit) { ShowDirections(toolkit); });
  registry.Add(CompareCoresFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<CompareCoresForm>(toolkit, session, services);
  });
  registry.Add(OperatingCheckFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<OperatingCheckForm>(toolkit, session, services);
  });
}

}  // namespace pfc::ui
