// The main dialog's file commands: save the texture, save and load the params
// file. The file logic lives in files/; these commands ask the user and report.
#include "app/CVantorDlg.h"
#include "app/Translation.h"
#include "app/WindowSystem.h"
#include "files/BmfontExport.h"
#include "files/ConfirmOverwrite.h"
#include "files/ParamsLoad.h"
#include "files/ParamsWriter.h"
#include "files/TextureTga.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace vantor {

namespace {

const FileRequest kTextureFile{QStringLiteral("TGA (*.tga)"), QStringLiteral("tga"), {}};
const FileRequest kParamsFile{QStringLiteral("TEXT (*.txt)"), QStringLiteral("txt"), {}};

// The descriptor variants in the order the chooser offers them.
constexpr files::BmfontVariant kVariants[] = {files::BmfontVariant::Text, files::BmfontVariant::Xml,
                                              files::BmfontVariant::Binary};

FileRequest DescriptorFile() {
  return {Translated("BMFont text (*.fnt)"), QStringLiteral("fnt"),
          {Translated("BMFont XML (*.fnt)"), Translated("BMFont binary (*.fnt)")}};
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
  // The page is written too, so it is asked about as well.
  const QString pagePath = QFile::decodeName(files::BmfontPagePath(LocalPath(choice->path)).c_str());
  if (!ConfirmReplace(FileChoice{pagePath, QFileInfo(pagePath).fileName()})) return;
  const int filter = choice->filter >= 0 && choice->filter < 3 ? choice->filter : 0;
  ReportFileResult(files::ExportBmfont(engine, LocalPath(choice->path), kVariants[filter]));
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
