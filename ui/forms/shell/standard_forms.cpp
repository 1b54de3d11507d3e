#include "ui/forms/shell/standard_forms.h"

#include <memory>

#include "ui/forms/compare_cores/compare_cores.h"
#include "ui/forms/compare_cores/compare_cores_design.h"
#include "ui/forms/compare_cores/compare_cores_form.h"
#include "ui/forms/directions/directions_design.h"
#include "ui/forms/directions/directions_form.h"
#include "ui/forms/disclaimer/enter_design.h"
#include "ui/forms/disclaimer/enter_form.h"
#include "ui/forms/find_designs/find_designs.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/find_designs/find_designs_form.h"
#include "ui/forms/input/input_design.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/listing/listing_design.h"
#include "ui/forms/listing/listing_form.h"
#include "ui/forms/material_fit/material_fit_design.h"
#include "ui/forms/material_fit/material_fit_form.h"
#include "ui/forms/operating_check/operating_check.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/operating_check/operating_check_form.h"
#include "ui/forms/shell/run_playback.h"
#include "ui/forms/summary/summary_children.h"
#include "ui/forms/summary/summary_design.h"
#include "ui/forms/summary/summary_form.h"

namespace pfc::ui {

namespace {

// The ways from one window to another, which the windows take without including each other.
void OpenWindowDoors(WindowDoors& doors, DesktopSession& session, const DesktopServices& services) {
  doors.findDesigns = [&session](Toolkit& toolkit) { OpenFindDesigns(toolkit, session); };
  doors.compareCores = [&session](Toolkit& toolkit) { OpenCompareCores(toolkit, session); };
  doors.keepCompareCoresCurrent = [&session](Toolkit& toolkit) {
    KeepCompareCoresCurrent(toolkit, session);
  };
  doors.checkPublishedDesign = [&session](Toolkit& toolkit) {
    CheckPublishedDesign(toolkit, session);
  };
  doors.checkExploredDesign = [&session, &services](Toolkit& toolkit,
                                                    const ExploredDesign& design) {
    CheckExploredDesign(toolkit, session, services, design);
  };
  doors.runInputForm = [&session, &services](Toolkit& toolkit) {
    RunInputForm(toolkit, session, services);
  };
  doors.closeDesignViews = [&services](Toolkit& toolkit) { CloseDesignViews(toolkit, services); };
  doors.directions = [](Toolkit& toolkit) { ShowDirections(toolkit); };
  doors.fitMaterial = [&session](Toolkit& toolkit, MaterialFitting::Use use, bool needsFile) {
    OpenMaterialFit(toolkit, session.materialFit, std::move(use), needsFile);
  };
}

}  // namespace

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
  registry.Add(FindDesignsFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<FindDesignsForm>(toolkit, session, services);
  });
  registry.Add(OperatingCheckFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<OperatingCheckForm>(toolkit, session, services);
  });
  registry.Add(MaterialFitFormDesign(), [&session, &services](Toolkit& toolkit) {
    return std::make_unique<MaterialFitForm>(toolkit, session.materialFit, services);
  });
  OpenWindowDoors(session.doors, session, services);
}

}  // namespace pfc::ui
