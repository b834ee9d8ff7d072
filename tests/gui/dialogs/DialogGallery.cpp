// A manual tool, not a test: shows one dialog by name so that it can be looked at or
// screenshotted, e.g. `dialog_gallery resize`; BRIMWELL_LANG=en shows it in English.
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "formats/ProjectRecords.h"
#include "platform/Language.h"
#include "windows/AboutBoxUnit.h"
#include "windows/CopyLayerDialogUnit.h"
#include "windows/FillDialogUnit.h"
#include "windows/NewLayerDialogUnit.h"
#include "windows/PrefsFormUnit.h"
#include "windows/ProgressFormUnit.h"
#include "windows/ReplaceDialogUnit.h"
#include "windows/ResizeDialogUnit.h"

namespace {

using Factory = std::function<QDialog*()>;

QDialog* NewLayer() {
  auto* d = new TNewLayerDialog;
  d->SetLayerName(QStringLiteral("レイヤー1"));
  d->SetChipSetItems({QStringLiteral("grass.bmp"), QStringLiteral("town.bmp")});
  d->SetChipSetText(QStringLiteral("参照なし"));
  return d;
}

QDialog* CopyLayer() {
  auto* d = new TCopyLayerDialog;
  d->SetSourceName(QStringLiteral("レイヤー0"));
  return d;
}

QDialog* Prefs() {
  auto* d = new TPrefsForm(8);
  TProjectRecords records;
  records.comment = "コメント";
  d->LoadFrom(records);
  return d;
}

QDialog* Progress() {
  auto* d = new TProgressForm;
  d->Start(0, 10);
  for (int i = 0; i < 4; ++i) d->Process();
  return d;
}

const std::map<std::string, Factory>& Gallery() {
  static const std::map<std::string, Factory> gallery = {
      {"newlayer", NewLayer},
      {"copylayer", CopyLayer},
      {"resize", [] { return new TResizeDialog(100, 100, 1, 8); }},
      {"fill", [] { return new TFillDialog; }},
      {"replace", [] { return new TReplaceDialog(8); }},
      {"prefs", Prefs},
      {"progress", Progress},
      {"about", [] { return new TAboutBox; }},
  };
  return gallery;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ApplyLanguage(ChooseLanguage("", std::getenv("BRIMWELL_LANG"), ""));
  const auto found = argc > 1 ? Gallery().find(argv[1]) : Gallery().end();
  if (found == Gallery().end()) {
    std::fprintf(stderr, "usage: dialog_gallery NAME [popup]; names:");
    for (const auto& entry : Gallery()) std::fprintf(stderr, " %s", entry.first.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  std::unique_ptr<QDialog> dialog(found->second());
  dialog->show();
  if (argc > 2 && std::strcmp(argv[2], "popup") == 0)
    if (auto* fill = dynamic_cast<TFillDialog*>(dialog.get()))
      QTimer::singleShot(500, fill, [fill] { fill->ComboBox1->showPopup(); });
  return app.exec();
}
