#include "app/OpenLink.h"

#include "app/WindowSystem.h"

#include <array>
#include <string_view>

namespace vantor {

namespace {

constexpr std::array<std::string_view, 6> kPlaceholders = {"%1", "%u", "%U", "%f", "%F", "%s"};

// The earliest position of any placeholder, each wrapped in `quote` on both sides.
std::size_t FindPlaceholder(const std::string& line, std::string_view quote) {
  std::size_t first = std::string::npos;
  for (std::string_view placeholder : kPlaceholders) {
    const std::string wrapped = std::string(quote) + std::string(placeholder) + std::string(quote);
    first = std::min(first, line.find(wrapped));
  }
  return first;
}

const char* FailureText(int result) {
  switch (result) {
    case 0: return "The operating system is out\nof memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied\naccess to the specified file.";
    case 8: return "There was not enough memory to complete the operation.";
    case 11: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26: return "A sharing violation occurred. ";
    case 27: return "The filename association is\nincomplete or invalid.";
    case 28: return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30: return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case 31: return "There is no application associated\nwith the given filename extension.";
    case 32: return "The specified dynamic-link library was not found.";
    default: return nullptr;
  }
}

}  // namespace

void OpenLink(const std::string& target, WindowSystem& windowSystem, std::function<void(int)> done) {
  windowSystem.OpenWithDefaultHandler(target, [target, &windowSystem, done](int result) {
    if (result > 32) {
      done(result);
      return;
    }
    // Whatever the target's scheme, the web-page handler is the fallback.
    const std::string command = windowSystem.WebPageHandlerCommand();
    if (command.empty()) {
      done(result);
      return;
    }
    windowSystem.StartCommand(CutAtPlaceholder(command) + " " + target, done);
  });
}

std::string CutAtPlaceholder(const std::string& commandLine) {
  std::size_t cut = FindPlaceholder(commandLine, "\"");
  if (cut == std::string::npos) cut = FindPlaceholder(commandLine, "");
  return cut == std::string::npos ? commandLine : commandLine.substr(0, cut);
}

std::string LinkFailureReport(int result) {
  std::string report = "Unable to open LiNks:\n\n";
  if (const char* text = FailureText(result)) return report + text;
  return report + "Unknown Error (" + std::to_string(result) + ") occurred.";
}

}  // namespace vantor
