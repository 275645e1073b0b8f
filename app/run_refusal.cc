#include "app/run_refusal.h"

#include "app/resource_text.h"
#include "engine/number_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// The range a run accepts in `form_field`, from its setting's limits.
QString RangeText(const FormField& form_field) {
  const RunSetting& setting = RunSettingOf(form_field.field);
  const QString range = LoadText(form_field.range_id);
  switch (setting.kind) {
    case SettingKind::kCount:
      return range.arg(setting.most);
    case SettingKind::kRate:
      return range.arg(QString::fromStdString(FormatNumber(kLowestRate)),
                       QString::fromStdString(FormatNumber(kHighestRate)));
    case SettingKind::kChoice:
      return range.arg(QString::fromStdString(ChoicesText(setting, ", ", ", ")));
    case SettingKind::kSeed:
    case SettingKind::kCarried:
      break;
  }
  return range;
}

}  // namespace

QString RunRefusalMessage(RunField field, const ParameterSet& values) {
  const FormField& form_field = FormFieldOf(field);
  return LoadText(res::kIdsRunRefused)
      .arg(LoadText(form_field.name_id),
           QString::fromStdString(FormatNumber(values.*form_field.member)), RangeText(form_field));
}

}  // namespace curvesmith
