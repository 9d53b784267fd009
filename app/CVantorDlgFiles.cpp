// The main dialog's file commands: save the texture, save and load the params
// file. The file logic lives in files/; these commands ask the user and report.
#include "app/CVantorDlg.h"
#include "app/Translation.h"
#include "app/WindowSystem.h"
#include "files/disk/ConfirmOverwrite.h"
#include "files/export/BakeOutputs.h"
#include "files/export/ParamsLoad.h"
#include "files/export/SaveFile.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace vantor {

namespace {

const FileRequest kTextureFile{QStringLiteral("TGA (*.tga)"), QStringLiteral("tga"), {}, {}};
const FileRequest kParamsFile{QStringLiteral("TEXT (*.txt)"), QStringLiteral("txt"), {}, {}};

// The chooser's filters, one for each descriptor format, in the formats' order.
QString ChooserLabel(files::OutputFormat format) { return Translated(files::NamesOf(format).chooserLabel.data()); }

FileRequest DescriptorFile() {
  const auto& formats = files::kDescriptorFormats;
  return {ChooserLabel(formats[0]), QStringLiteral("fnt"), {ChooserLabel(formats[1]), ChooserLabel(formats[2])}, {}};
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// "File", the name and the translated ending, one space between each.
QString FileMessage(const QString& fileName, const char* ending) {
  const QString file = Translated("File");
  return file + QLatin1Char(' ') + fileName + QLatin1Char(' ') + Translated(ending);
}

// Asked without opening the file: opening a named pipe or a device could wait or act.
bool CanOpenForReading(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

// The platform's file-error texts and the params file's own are shown as they
// stand; the others go through the language files. A set of files that was put
// back after a failure says so after the text of what failed.
QString MessageOf(const files::FileResult& result) {
  const std::string english = files::FileErrorText(result.status, result.path, result.detail);
  QString text = QString::fromStdString(english);
  if (files::IsTranslatedErrorText(result.status)) {
    const QString translated = Translated(std::string(files::FileErrorTemplate(result.status)).c_str());
    text = QString::fromStdString(files::FillErrorText(translated.toStdString(), result.path, result.detail));
  }
  if (result.message.size() > english.size()) text += QLatin1Char(' ') + Translated(files::kNothingChangedText);
  return text;
}

}  // namespace

bool CVantorDlg::ConfirmReplace(const FileChoice& choice) {
  return files::ConfirmOverwrite(LocalPath(choice.path), choice.fileName.toStdString(), [&](const std::string&) {
    const QString text = FileMessage(choice.fileName, "is exist");
    return windowSystem_.AskOkCancel(this, text, Translated("Warning"), MessageIcon::Warning) == MessageAnswer::Ok;
  });
}

void CVantorDlg::ReportFileResult(const files::FileResult& result) {
  if (result.Ok()) return;
  windowSystem_.ShowMessage(this, MessageOf(result), windowTitle(), MessageIcon::Stop);
}

void CVantorDlg::OnSaveTexture() {
  const std::optional<FileChoice> choice = windowSystem_.ChooseSaveFile(this, kTextureFile);
  if (!choice || !ConfirmReplace(*choice)) return;
  ReportFileResult(files::WriteTextureTga(LocalPath(choice->path), engine.texture.get()));
}

void CVantorDlg::OnSaveParams() {
  const std::optional<FileChoice> choice = windowSystem_.ChooseSaveFile(this, kParamsFile);
  if (!choice || !ConfirmReplace(*choice)) return;
  ReportFileResult(files::WriteParamsFile(LocalPath(choice->path), engine));
}

void CVantorDlg::OnExport() {
  const std::optional<FileChoice> choice = windowSystem_.ChooseSaveFile(this, DescriptorFile());
  if (!choice || !ConfirmReplace(*choice)) return;
  const auto& formats = files::kDescriptorFormats;
  const bool known = choice->filter >= 0 && static_cast<std::size_t>(choice->filter) < formats.size();
  // Engine fonts are laid out in glyph boxes, as vantor-bake lays them out by default.
  const files::OutputChoice outputs{.params = false, .descriptor = formats[known ? choice->filter : 0], .layout = {}, .effects = {}};
  const files::PlannedFont planned = files::PlanFont(engine, {}, outputs);
  if (!planned.refused.empty()) {
    windowSystem_.ShowMessage(this, QString::fromStdString(planned.refused), windowTitle(), MessageIcon::Stop);
    return;
  }
  const files::BakeFont& font = planned.font;
  const std::string base = files::BaseOf(LocalPath(choice->path));
  // The page is written too, so it is asked about as well.
  const files::OutputPaths paths = files::NameOutputs(base, outputs, font.layout->pageHeights.size());
  for (const std::string& page : paths.pages) {
    const QString pagePath = QFile::decodeName(page.c_str());
    if (!ConfirmReplace(FileChoice{pagePath, QFileInfo(pagePath).fileName()})) return;
  }
  ReportFileResult(files::WriteBake(engine, font, base, outputs));
}

void CVantorDlg::OnLoadParams() {
  const std::optional<FileChoice> choice = windowSystem_.ChooseOpenFile(this, kParamsFile);
  if (!choice) return;
  const std::string path = LocalPath(choice->path);
  if (!CanOpenForReading(path)) {
    const QString text = FileMessage(choice->fileName, "not exist");
    windowSystem_.AskOkCancel(this, text, Translated("Error"), MessageIcon::Stop);
    return;
  }
  const LoadParamsResult result = engine.LoadParams(path);
  if (!result.Loaded()) {
    // The engine refused the file and is as it was.
    ReportFileResult(files::DescribeLoadParams(result, path));
    return;
  }
  UpdateControls();
  RedrawPreview();
}

}  // namespace vantor
