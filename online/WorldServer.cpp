#include "online/WorldServer.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

bool IsHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-';
}

bool IsHostAndPort(std::string_view text) {
    const size_t colon = text.find(':');
    const std::string_view host = text.substr(0, colon);
    if (host.empty() || host.size() > 253 ||
        !std::all_of(host.begin(), host.end(), IsHostCharacter))
        return false;
    if (colon == std::string_view::npos)
        return true;
    const std::string_view port = text.substr(colon + 1);
    return !port.empty() && port.size() <= 5 &&
           std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string WorldServer() {
    const char* fromEnvironment = std::getenv("ZORVEX_WORLD_SERVER");
    if (!fromEnvironment || !*fromEnvironment)
        return WorldServerDefault;
    if (IsHostAndPort(fromEnvironment))
        return fromEnvironment;
    std::cerr << "Zorvex: ZORVEX_WORLD_SERVER \"" << fromEnvironment
              << "\" is no host or host:port; using " << WorldServerDefault << '\n';
    return WorldServerDefault;
}

std::string WorldResultUrl(const std::string& server, const std::string& code) {
    return "http://" + server + "/cgi/version.pl?hs&prg=Zorvex&inf=" + code;
}

std::string WorldReplayUrl(const std::string& server, const std::string& code) {
    return "http://" + server + "/replay?inf=" + code;
}

std::string WorldPageUrl(const std::string& server) {
    return "http://" + server + "/cgi/version.pl?prg=Zorvex&show&type=0";
}
