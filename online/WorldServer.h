#pragma once
// Where the world high-score page lives. The host (or host:port) and the home page are set when
// the game is built (-DZORVEX_WORLD_SERVER=..., -DZORVEX_HOME_PAGE=...); the environment variable
// ZORVEX_WORLD_SERVER overrides the server at run time, for tests and self-hosting.

#include <string>

constexpr const char* WorldServerDefault = ZORVEX_WORLD_SERVER;
constexpr const char* HomePageUrl = ZORVEX_HOME_PAGE;

// ZORVEX_WORLD_SERVER when it is set and is a host or host:port (letters, digits, '.', '-', and
// one port of digits); otherwise the default.
std::string WorldServer();

// The request that sends a result whose encoded message is code.
std::string WorldResultUrl(const std::string& server, const std::string& code);
// The request that sends the replay of the game whose result had this code (a POST of the file).
std::string WorldReplayUrl(const std::string& server, const std::string& code);
// The world high-score page.
std::string WorldPageUrl(const std::string& server);
