#pragma once
// Where the world high-score page lives: host or host:port, set when the game is built
// (-DZORVEX_WORLD_SERVER=...).

#ifndef ZORVEX_WORLD_SERVER
#define ZORVEX_WORLD_SERVER "zorvex.example.net"
#endif

constexpr const char* WorldServerDefault = ZORVEX_WORLD_SERVER;
