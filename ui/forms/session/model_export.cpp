#include "ui/forms/session/model_export.h"

#include <filesystem>

#include "engine/check/inductor_model.h"
#include "reports/check/inductor_model_text.h"
#include "reports/files/atomic_file.h"

namespace pfc::ui {
namespace {

ModelFormat FormatOfFile(const ChosenFile& file) {
  const std::string extension = std::filesystem::path(file.path).extension().string();
  for (const ModelFormatInfo& info : ModelFormats()) {
    if (extension == std::string(".") + info.extension)
      return info.format;
  }
  return ModelFormats().at(file.type < ModelFormats().size() ? file.type : 0).format;
}

void Caution(Toolkit& toolkit, std::string text) {
  toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, std::move(text)});
}

}  // namespace

bool ExportCheckedModel(Toolkit& toolkit, const DesktopServices& services,
                        const CheckedDesign& checked) {
  if (!checked.HasDesign() || !services.chooseTypedSaveFile) {
    return false;
  }
  const InductorModel model = ModelCheckedWinding(checked.Record(), checked.Result());
  if (!model.refusal.empty()) {
    Caution(toolkit, "No model can be made of this design: " + model.refusal + ".");
    return false;
  }
  const std::string name = DefaultModelName(checked.Record());
  SaveTypedFileRequest request{"Export Model", SafeModelName(name, ModelFormat::Ngspice), {}};
  for (const ModelFormatInfo& info : ModelFormats()) {
    request.types.push_back({info.fileTypeName, info.extension});
  }
  const std::optional<ChosenFile> chosen = services.chooseTypedSaveFile(request);
  if (!chosen || chosen->path.empty()) {
    return false;
  }
  const FileWriteResult written = WriteFileAtomically(
      chosen->path, ModelFileText(checked.Record(), model, FormatOfFile(*chosen), name));
  if (!written.written) {
    Caution(toolkit, written.Message());
  }
  return written.written;
}

}  // namespace pfc::ui
