#include "online/WorldOnline.h"

#include <fstream>
#include <sstream>
#include <string_view>

#include "online/WorldServer.h"
#include "resultcode/ResultCode.h"
#include "resultcode/ResultMessage.h"

namespace {

// A shortcut is a few lines; anything longer is not one.
constexpr std::streamsize MaxShortcutBytes = 64 * 1024;

std::string_view TrimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return line;
}

bool IsWebAddress(std::string_view url) {
    const bool http = url.starts_with("http://") || url.starts_with("https://");
    // Nothing that a shell or a browser could take for more than one address.
    const bool plain = url.find_first_of(" \t\"'`<>\\") == std::string_view::npos;
    return http && plain && url.find("://") + 3 < url.size();
}

}  // namespace

void TWorldOnline::SendWorldResult(const std::string& name, int32_t score,
                                   const std::string& country) {
    const std::string message = resultcode::BuildMessage({name, score, country});
    sending_.reset();
    sending_ = backend_.StartHttpJob(
        {{.Url = WorldResultUrl(WorldServer(), resultcode::Encode(message))}});
}

bool TWorldOnline::Sending() {
    if (sending_ && sending_->Done())
        sending_.reset();
    return sending_ != nullptr;
}

void TWorldOnline::OpenHomePage() {
    backend_.OpenUrl(HomePageUrl);
}

void TWorldOnline::OpenWorldHighScores() {
    backend_.OpenUrl(WorldPageUrl(WorldServer()));
}

void TWorldOnline::OpenPlayShortcut(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    std::string text(static_cast<size_t>(MaxShortcutBytes), '\0');
    file.read(text.data(), MaxShortcutBytes);
    text.resize(static_cast<size_t>(file.gcount()));
    const std::string url = ShortcutUrl(text);
    if (!url.empty())
        backend_.OpenUrl(url);
}

std::string ShortcutUrl(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    bool inShortcut = false;
    while (std::getline(lines, line)) {
        const std::string_view trimmed = TrimLine(line);
        if (trimmed.starts_with('[')) {
            inShortcut = trimmed == "[InternetShortcut]";
            continue;
        }
        if (inShortcut && trimmed.starts_with("URL=")) {
            const std::string_view url = trimmed.substr(4);
            return IsWebAddress(url) ? std::string(url) : "";
        }
    }
    return "";
}
