#pragma once

#include <functional>
#include <string>

namespace vantor {

class WindowSystem;

/// Opens `target` with the desktop's default handler without waiting for it; when
/// that fails, starts the web-page handler's command line cut at its placeholder, a
/// blank and the target. `done` gets the last attempt's result: above 32 on success.
void OpenLink(const std::string& target, WindowSystem& windowSystem, std::function<void(int)> done);

/// `commandLine` cut at its first quoted file or address placeholder ("%1",
/// "%u", "%U", "%f", "%F", "%s" in double quotes), else at the first bare one,
/// dropping the placeholder, its quotes and the rest; else the whole line.
std::string CutAtPlaceholder(const std::string& commandLine);

/// "Unable to open LiNks:" and the text for a failed result, two line feeds between.
std::string LinkFailureReport(int result);

}  // namespace vantor
